#pragma once
// A real CEntryDlg, shown offscreen, with a private settings store, a message-box recorder and a
// scripted file dialog: no test waits on a modal loop.

#include "CEntryDlg.h"
#include "ChooseFile.h"
#include "MessageBox.h"

#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

/// Records every message box; plain boxes answer Ok, questions the next scripted answer or No.
struct MessageRecorder
{
    QStringList texts;
    std::deque<msgbox::Answer> answers;

    MessageRecorder()
    {
        msgbox::SetPresenter([this](QWidget*, const msgbox::Request& r) {
            texts << r.text;
            if (r.buttons == msgbox::Buttons::Ok || answers.empty())
                return r.buttons == msgbox::Buttons::Ok ? msgbox::Answer::Ok : msgbox::Answer::No;
            const msgbox::Answer a = answers.front();
            answers.pop_front();
            return a;
        });
    }
    ~MessageRecorder() { msgbox::SetPresenter({}); }
};

/// The file dialog answers with the next scripted path (nullopt: cancelled) and keeps the requests.
struct FileDialogScript
{
    QList<filedlg::FileRequest> requests;
    std::deque<std::optional<QString>> answers;

    FileDialogScript()
    {
        filedlg::SetFilePresenter([this](QWidget*, const filedlg::FileRequest& r) {
            requests << r;
            std::optional<QString> answer;
            if (!answers.empty()) {
                answer = answers.front();
                answers.pop_front();
            }
            return answer;
        });
    }
    ~FileDialogScript() { filedlg::SetFilePresenter({}); }
};

class DialogTest : public ::testing::Test
{
protected:
    using Id = CEntryDlg::ControlId;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
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
    void Click(int id) { QTest::mouseClick(dlg->GetDlgItem(id), Qt::LeftButton); }

    /// Replaces a field's text by typing, as a user does after clicking into it.
    void Retype(int id, const QString& text)
    {
        QLineEdit* field = Edit(id);
        QTest::mouseClick(field, Qt::LeftButton);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    /// Chooses an item from a drop-down list as a user does (the list's activation).
    void Choose(int id, const QString& text)
    {
        auto* box = Item<QComboBox>(id);
        const int index = box->findText(text);
        ASSERT_GE(index, 0);
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
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

    QStringList Rows() const
    {
        QStringList rows;
        for (int i = 0; i < List()->GetCount(); ++i)
            rows << List()->GetText(i) + QStringLiteral("/%1").arg(List()->GetItemData(i));
        return rows;
    }

    QTemporaryDir dir; // settings and files
    MessageRecorder messages;
    FileDialogScript files;
    std::unique_ptr<CEntryDlg> dlg;
};
