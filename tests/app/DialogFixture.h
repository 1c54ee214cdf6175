#pragma once
// A real CEntryDlg, shown offscreen, with a private settings store and a message-box recorder.

#include "CEntryDlg.h"
#include "Entry.h"
#include "MessageBox.h"

#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

/// Records every message box and answers from a script (Ok for plain boxes, No for questions
/// unless a test says otherwise).
struct MessageRecorder
{
    QStringList texts;
    QList<msgbox::Request> requests;
    std::deque<msgbox::Answer> answers;

    void Install()
    {
        msgbox::SetPresenter([this](QWidget*, const msgbox::Request& r) {
            texts << r.text;
            requests << r;
            if (!answers.empty()) {
                const msgbox::Answer a = answers.front();
                answers.pop_front();
                return a;
            }
            return r.buttons == msgbox::Buttons::YesNo ? msgbox::Answer::No : msgbox::Answer::Ok;
        });
    }
    ~MessageRecorder() { msgbox::SetPresenter({}); }
};

class DialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        messages.Install();
    }

    void TearDown() override { dlg.reset(); }

    /// Starts the window the way the application does, with the given stored settings.
    void Open(int autoSave = 0, const QString& path = QString())
    {
        dlg = std::make_unique<CEntryDlg>();
        dlg->m_bAutoSave = autoSave;
        dlg->m_strPath = path;
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
    QPushButton* Button(int id) const { return Item<QPushButton>(id); }

    void Click(int id) { QTest::mouseClick(dlg->GetDlgItem(id), Qt::LeftButton); }

    /// Key presses carrying any text, one per character (QTest::keyClicks knows only Latin-1).
    static void TypeText(QWidget* widget, const QString& text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            qsizetype len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, len),
                                Qt::NoModifier);
            i += len - 1;
        }
    }

    /// Types into a field the way a user does: click into it, then the keys.
    void Type(int id, const QString& text)
    {
        QLineEdit* field = Edit(id);
        QTest::mouseClick(field, Qt::LeftButton, {},
                          QPoint(field->width() - 3, field->height() / 2));
        TypeText(field, text);
    }

    /// Replaces a field's whole text by typing.
    void Retype(int id, const QString& text)
    {
        QLineEdit* field = Edit(id);
        QTest::mouseClick(field, Qt::LeftButton);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        TypeText(field, text);
    }

    /// Chooses an item from a drop-down list as a user does (the list's activation).
    static void Choose(QComboBox* box, const QString& text)
    {
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }

    /// Adds a participant through the fields and "Hinzu".
    void AddParticipant(const QString& name, const QString& first, int year, bool male = false)
    {
        Retype(CEntryDlg::IDC_FIRSTNAME, first);
        Retype(CEntryDlg::IDC_NAME, name);
        Retype(CEntryDlg::IDC_YEAR, QString::number(year));
        Click(male ? CEntryDlg::IDC_MALE : CEntryDlg::IDC_FEMALE);
        Click(CEntryDlg::IDC_ADD);
    }

    /// Clicks a row of the entry list.
    void ClickRow(int row)
    {
        CIconListBox* list = dlg->m_lbEntries;
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    QStringList Rows() const
    {
        QStringList rows;
        for (int i = 0; i < dlg->m_lbEntries->GetCount(); ++i)
            rows << dlg->m_lbEntries->GetText(i);
        return rows;
    }

    QSettings StoredSettings() const
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("ZANDREL"),
                         QCoreApplication::applicationName());
    }

    QTemporaryDir settingsDir;
    MessageRecorder messages;
    std::unique_ptr<CEntryDlg> dlg;
    const int thisYear = entry::CurrentUtcYear();
};
