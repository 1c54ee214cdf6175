#pragma once
// A real CEntryDlg, shown offscreen, with a private settings store; message boxes are recorded and
// answered, and the file dialog answers from a script: no test waits on a modal loop.

#include "app/CEntryDlg.h"
#include "app/ChooseFile.h"
#include "app/MessageBox.h"
#include "app/ModalDialog.h"
#include "entries/EntryListModel.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <ostream>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class DialogTest : public ::testing::Test
{
protected:
    using Id = CEntryDlg::ControlId;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        // Plain boxes answer Ok; questions and file dialogs the next scripted answer or No/cancel.
        msgbox::SetPresenter([this](QWidget*, const msgbox::Request& r) {
            messages.texts << r.text;
            return r.buttons == msgbox::Buttons::Ok ? msgbox::Answer::Ok
                                                    : Next(messages.answers, msgbox::Answer::No);
        });
        filedlg::SetFilePresenter([this](QWidget*, const filedlg::FileRequest& r) {
            fileRequests << r;
            return Next(fileAnswers, std::optional<QString>());
        });
        // The window's own dialogs: the test drives the real dialog and answers for it.
        modal::SetRunner([this](QDialog& d) { return onDialog ? onDialog(d) : 0; });
    }

    template <typename T> static T Next(std::deque<T>& script, T none)
    {
        if (!script.empty()) {
            none = script.front();
            script.pop_front();
        }
        return none;
    }

    void TearDown() override
    {
        dlg.reset();
        msgbox::SetPresenter({});
        filedlg::SetFilePresenter({});
        modal::SetRunner({});
    }

    /// Starts the window the way the application does, with the given stored settings.
    void Open(int autoSave = 0, const QString& path = QString())
    {
        dlg = std::make_unique<CEntryDlg>();
        dlg->ApplySettings({autoSave, path});
        dlg->OnInitDialog();
        dlg->show();
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }

    template <typename T = QWidget> T* Item(int id) const
    {
        return qobject_cast<T*>(dlg->GetDlgItem(id));
    }
    QLineEdit* Edit(int id) const { return Item<QLineEdit>(id); }
    CIconListBox* List() const { return Item<CIconListBox>(Id::IDC_ENTRIES); }
    /// The rows the list shows, for setting up a list without typing each participant.
    EntryListModel* Model() const { return static_cast<EntryListModel*>(List()->model()); }
    void Click(int id) { QTest::mouseClick(dlg->GetDlgItem(id), Qt::LeftButton); }

    /// Replaces a field's text by typing, as a user does after clicking into it.
    void Retype(int id, const QString& text)
    {
        QTest::mouseClick(Edit(id), Qt::LeftButton);
        Edit(id)->selectAll();
        QTest::keyClick(Edit(id), Qt::Key_Backspace);
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, Edit(id), Qt::Key_unknown, QString(c), {});
    }

    void LeaveYear(const QString& text)
    {
        Retype(Id::IDC_YEAR, text);
        QTest::keyClick(Edit(Id::IDC_YEAR), Qt::Key_Tab);
    }

    /// Chooses an item from a drop-down list as a user does (the list's activation).
    void Choose(int id, const QString& text)
    {
        auto* box = Item<QComboBox>(id);
        box->setCurrentIndex(box->findText(text));
        ASSERT_GE(box->currentIndex(), 0);
        Q_EMIT box->activated(box->currentIndex());
    }

    void AddParticipant(const QString& name, const QString& first, int year, bool male = false)
    {
        Retype(Id::IDC_FIRSTNAME, first);
        Retype(Id::IDC_NAME, name);
        Retype(Id::IDC_YEAR, QString::number(year));
        Click(male ? Id::IDC_MALE : Id::IDC_FEMALE);
        Click(Id::IDC_ADD);
    }

    void ClickRow(int row)
    {
        const QRect rect = List()->visualRect(List()->model()->index(row, 0));
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    /// Each row as "text/code".
    QStringList Rows() const
    {
        QStringList rows;
        for (int i = 0; i < List()->GetCount(); ++i)
            rows << List()->GetText(i) + QStringLiteral("/%1").arg(List()->GetItemData(i));
        return rows;
    }

    QTemporaryDir dir; // settings and files
    struct
    {
        QStringList texts;
        std::deque<msgbox::Answer> answers;
    } messages;
    QList<filedlg::FileRequest> fileRequests;
    std::deque<std::optional<QString>> fileAnswers;
    std::function<int(QDialog&)> onDialog; // none: every dialog is cancelled
    std::unique_ptr<CEntryDlg> dlg;
};
