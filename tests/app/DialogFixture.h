#pragma once
// A real CEntryDlg, shown offscreen, with a private settings store; message boxes are recorded and
// answered, and the file dialog answers from a script: no test waits on a modal loop.

#include "app/CEntryDlg.h"
#include "app/ChooseFile.h"
#include "app/ClubEventChooser.h"
#include "app/MessageBox.h"
#include "app/ModalDialog.h"
#include "entries/EntryListModel.h"
#include "tests/support/PrintQString.h"

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

class DialogTest : public ::testing::Test
{
protected:
    /// The window's controls by the names that the code and the help use for them.
    struct Id
    {
        static constexpr const char* IDOK_Exit = "buttonExit";
        static constexpr const char* IDHELP = "buttonHelp";
        static constexpr const char* IDC_ENTRIES = "listEntries";
        static constexpr const char* IDC_FIRSTNAME = "editFirstName";
        static constexpr const char* IDC_NAME = "editName";
        static constexpr const char* IDC_YEAR = "editYear";
        static constexpr const char* IDC_ADD = "buttonAdd";
        static constexpr const char* IDC_REMOVE = "buttonRemove";
        static constexpr const char* IDC_FEMALE = "buttonFemale";
        static constexpr const char* IDC_MALE = "buttonMale";
        static constexpr const char* IDC_SAVE = "buttonSave";
        static constexpr const char* IDC_LOAD = "buttonLoad";
        static constexpr const char* IDC_SEND = "buttonSend";
        static constexpr const char* IDC_NEW = "buttonNew";
        static constexpr const char* IDC_CLUB = "comboClub";
        static constexpr const char* IDC_EVENT = "comboEvent";
        static constexpr const char* IDC_AUTOSAVE = "checkAutoSave";
    };

    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        // Plain boxes answer Ok; questions and file dialogs the next scripted answer or No/cancel.
        msgbox::setPresenter([this](QWidget*, const msgbox::Request& r) {
            m_messages.texts << r.text;
            m_messages.copies << r.copyText;
            return r.buttons == msgbox::Buttons::Ok ? msgbox::Answer::Ok
                                                    : next(m_messages.answers, msgbox::Answer::No);
        });
        filedlg::setFilePresenter([this](QWidget*, const filedlg::FileRequest& r) {
            m_fileRequests << r;
            return next(m_fileAnswers, std::optional<QString>());
        });
        // The window's own dialogs: the test drives the real dialog and answers for it.
        modal::setRunner([this](QDialog& d) { return m_onDialog ? m_onDialog(d) : 0; });
    }

    template <typename T> static T next(std::deque<T>& script, T none)
    {
        if (!script.empty()) {
            none = script.front();
            script.pop_front();
        }
        return none;
    }

    void TearDown() override
    {
        m_dlg.reset();
        msgbox::setPresenter({});
        filedlg::setFilePresenter({});
        modal::setRunner({});
    }

    /// Starts the window the way the application does, with the given stored settings.
    void open(int autoSave = 0, const QString& path = QString())
    {
        m_dlg = std::make_unique<CEntryDlg>();
        m_dlg->applySettings({autoSave, path, {}, {}});
        m_dlg->OnInitDialog();
        m_dlg->show();
        m_dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg.get()));
    }

    template <typename T = QWidget> T* item(const char* id) const
    {
        return m_dlg->findChild<T*>(QString::fromLatin1(id));
    }
    QLineEdit* edit(const char* id) const { return item<QLineEdit>(id); }
    CIconListBox* list() const { return item<CIconListBox>(Id::IDC_ENTRIES); }
    /// The rows the list shows, for setting up a list without typing each participant.
    EntryListModel* model() const { return static_cast<EntryListModel*>(list()->model()); }
    void click(const char* id) { QTest::mouseClick(item(id), Qt::LeftButton); }

    /// Replaces a field's text by typing, as a user does after clicking into it.
    void retype(const char* id, const QString& text)
    {
        QTest::mouseClick(edit(id), Qt::LeftButton);
        edit(id)->selectAll();
        QTest::keyClick(edit(id), Qt::Key_Backspace);
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit(id), Qt::Key_unknown, QString(c), {});
    }

    void leaveYear(const QString& text)
    {
        retype(Id::IDC_YEAR, text);
        QTest::keyClick(edit(Id::IDC_YEAR), Qt::Key_Tab);
    }

    /// Chooses an item from a drop-down list as a user does (the list's activation).
    void choose(const char* id, const QString& text)
    {
        auto* box = item<QComboBox>(id);
        box->setCurrentIndex(box->findText(text));
        ASSERT_GE(box->currentIndex(), 0);
        Q_EMIT box->activated(box->currentIndex());
    }

    void addParticipant(const QString& name, const QString& first, int year, bool male = false)
    {
        retype(Id::IDC_FIRSTNAME, first);
        retype(Id::IDC_NAME, name);
        retype(Id::IDC_YEAR, QString::number(year));
        click(male ? Id::IDC_MALE : Id::IDC_FEMALE);
        click(Id::IDC_ADD);
    }

    void clickRow(int row)
    {
        const QRect rect = list()->visualRect(list()->model()->index(row, 0));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    /// Each row as "text/code".
    QStringList rows() const
    {
        QStringList rows;
        for (int i = 0; i < list()->GetCount(); ++i)
            rows << list()->GetText(i) + QStringLiteral("/%1").arg(list()->GetItemData(i));
        return rows;
    }

    QTemporaryDir m_dir; // settings and files
    struct
    {
        QStringList texts;
        QStringList copies; ///< what each box's "Kopieren" would copy; empty: no such button
        std::deque<msgbox::Answer> answers;
    } m_messages;
    QList<filedlg::FileRequest> m_fileRequests;
    std::deque<std::optional<QString>> m_fileAnswers;
    std::function<int(QDialog&)> m_onDialog; // none: every dialog is cancelled
    std::unique_ptr<CEntryDlg> m_dlg;
};
