// Renders the main window offscreen, with a small registration in it, into a PNG for the README
// and the AppStream metadata:  make screenshot   (writes docs/zandrel.png)
//
//   zandrel_screenshot out.png [BREITExHÖHE]
//
// With a size, the window as it stands on a screen of that size (maximised, as small screens
// show it), with the template's event file open and its longest event chosen.

#include "app/CEntryApp.h"
#include "app/CEntryDlg.h"
#include "entries/Entry.h"
#include "entries/EntryListModel.h"
#include "invitation/Template.h"

#include <algorithm>
#include <cstdio>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "Aufruf: %s <ausgabe.png> [BREITExHÖHE]\n", argv[0]);
        return 2;
    }
    QSize screen;
    if (argc == 3) {
        const QStringList parts = QString::fromLocal8Bit(argv[2]).split(u'x');
        screen = QSize(parts.value(0).toInt(), parts.value(1).toInt());
        if (screen.width() <= 0 || screen.height() <= 0)
            return 2;
    }
    // Keep the user's own settings out of it.
    QTemporaryDir settings;
    // The offscreen screen is 800×600 unless told otherwise; a window maximised on a wider
    // screen must be as wide as that screen.
    QByteArray platform = "offscreen";
    if (screen.isValid()) {
        QFile config(settings.filePath(QStringLiteral("screen.json")));
        const QByteArray json = QStringLiteral(R"({"screens":[{"name":"Bildschirm","x":0,"y":0,)"
                                               R"("width":%1,"height":%2,"logicalDpi":96,)"
                                               R"("logicalBaseDpi":96,"dpr":1}]})")
                                    .arg(screen.width())
                                    .arg(screen.height())
                                    .toUtf8();
        if (!config.open(QIODevice::WriteOnly) || config.write(json) != json.size())
            return 1;
        platform += ":configfile=" + QFile::encodeName(config.fileName());
    }
    qputenv("QT_QPA_PLATFORM", platform);
    CEntryApp app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    CEntryDlg dlg;
    QString eventName = QStringLiteral("Gauturnfest");
    if (screen.isValid()) {
        const QString aus = settings.filePath(QStringLiteral("Ausschreibung.aus"));
        QFile file(aus);
        if (!file.open(QIODevice::WriteOnly) || file.write(invitation::templateBytes()) < 0)
            return 1;
        file.close();
        dlg.applySettings({1, {}, aus, {QStringLiteral("Eva Muster"), {}, {}}});
        eventName = QStringLiteral("Gauturnfest 2027");
    }
    dlg.OnInitDialog();
    if (screen.isValid()) // the screen less its title bar and a taskbar
        dlg.resize(std::max(dlg.width(), std::min(screen.width(), 1280)), screen.height() - 70);
    dlg.show();
    if (!QTest::qWaitForWindowExposed(&dlg))
        return 1;
    auto* club = dlg.findChild<QComboBox*>(QStringLiteral("comboClub"));
    auto* event = dlg.findChild<QComboBox*>(QStringLiteral("comboEvent"));
    auto* list = dlg.findChild<CIconListBox*>(QStringLiteral("listEntries"));
    club->setCurrentIndex(club->findText(QStringLiteral("TV Musterstadt")));
    event->setCurrentIndex(event->findText(eventName));
    Q_EMIT event->activated(event->currentIndex());
    dlg.EnableEditButtons();
    const struct
    {
        const char16_t* text;
        int year;
        int gender;
    } rows[] = {
        {u"Meier,Anna", 2012, 0},   {u"Schmidt,Jonas", 2011, 1}, {u"Öztürk,Elif", 2013, 0},
        {u"Becker,Lukas", 2012, 1}, {u"Wagner,Mia", 2014, 0},    {u"Hoffmann,Paul", 2013, 1},
        {u"Schäfer,Lea", 2011, 0},
    };
    auto* model = static_cast<EntryListModel*>(list->model());
    for (const auto& row : rows)
        model->addSorted(QString::fromUtf16(row.text), entry::makeCode(row.year, row.gender));
    list->SetCurSel(3);
    dlg.OnSelChangeEntries();
    QCoreApplication::processEvents();
    const QImage shot = dlg.grab().toImage();
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "Kann %s nicht schreiben\n", argv[1]);
        return 1;
    }
    return 0;
}
