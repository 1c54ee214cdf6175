// "Importieren…" through the real window: member list files, the real preview driven by keys and
// clicks, and what lands in the entry list.
#include "DialogFixture.h"
#include "entryfile/EntryFile.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace Qt::StringLiterals;

TEST_F(DialogTest, ImportTakesTheCheckedRowsAndNothingFromABadFileOrOnCancel)
{
    const auto put = [this](const QString& name, const QByteArray& bytes) {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    };
    const QByteArray members = "Vorname;Name;Jg.;Geschlecht\r\nJonas;Schmidt;1996;m\r\n"
                               "anna;meier;2000;w\r\nZo\xC3\xAB;Bauer;2010;x\r\n";
    open(); // Anna from a loaded file: nothing is unsaved before the import
    m_dlg->loadPath(put(u"alt.mdg"_s, entryfile::write({}, {}, {{u"Meier,Anna"_s, 4000}})));
    const std::pair<QByteArray, QString> refused[] = {
        {"Vorname;Name;Jahrgang;Geschlecht\nJonas;Schmidt;1996;m", {}}, // Escape in the preview
        {"", u"ist leer"_s},
        {QByteArray("Name;Vorname\n\0", 14), u"ist keine Mitgliederliste"_s},
        {"Nr;Mitglied\n1;Anna", u"fehlt die Kopfzeile"_s},
        {"<missing>", u"lässt sich nicht öffnen"_s},
    };
    for (const auto& [bytes, message] : refused) {
        m_messages.texts.clear();
        m_fileAnswers = {bytes == "<missing>" ? m_dir.filePath(u"fehlt.csv"_s)
                                              : put(u"l.csv"_s, bytes)};
        int previews = 0;
        m_onDialog = [&previews](QDialog& d) {
            ++previews;
            d.show();
            QTest::keyClick(&d, Qt::Key_Escape);
            return d.result();
        };
        m_dlg->OnImport();
        EXPECT_EQ(previews, message.isEmpty() ? 1 : 0) << bytes.toStdString();
        EXPECT_TRUE(message.isEmpty() ? m_messages.texts.isEmpty()
                                      : m_messages.texts.value(0).contains(message));
        EXPECT_EQ(rows(), QStringList{u"Meier,Anna/4000"_s});
        EXPECT_EQ(m_dlg->modified(), 0);
    }

    m_fileAnswers = {put(u"mitglieder.csv"_s, members)};
    m_onDialog = [](QDialog& d) {
        d.show(); // Enter only reaches a visible default button
        auto* year = d.findChild<QComboBox*>(u"importColumn2"_s); // "Jg." is no known name
        year->setCurrentIndex(year->findText(u"Jg."_s));
        auto* table = d.findChild<QTableView*>(u"importTable"_s);
        const auto checked = [table](int row) {
            return table->model()->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked;
        };
        EXPECT_TRUE(checked(0) && !checked(1) && !checked(2)); // a copy of Anna; no gender
        table->selectRow(2);
        QTest::mouseClick(d.findChild<QPushButton*>(u"importMale"_s), Qt::LeftButton);
        table->selectRow(0);
        QTest::keyClick(table, Qt::Key_Space); // Jonas stays at home
        EXPECT_TRUE(!checked(0) && checked(2));
        QTest::keyClick(table, Qt::Key_Return);
        return d.result();
    };
    QTest::keyClick(m_dlg.get(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(rows(), (QStringList{u"Bauer,Zoë/4021"_s, u"Meier,Anna/4000"_s}));
    EXPECT_EQ(m_dlg->modified(), 1);
    EXPECT_EQ(m_dlg->findChild<QLabel*>(u"labelStatus"_s)->text(),
              u"Importiert: 1 Teilnehmer aus mitglieder.csv · Ungespeicherte Änderungen"_s);
}
