#include "app/HelpViewer.h"

#include "app/DataPath.h"
#include "app/WindowPlacement.h"
#include "messages/Messages.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <QAction>
#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QPalette>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace help {

double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

QColor mix(const QColor& a, const QColor& b, double share)
{
    const auto mix = [share](double x, double y) {
        return static_cast<float>(x + (y - x) * share);
    };
    return QColor::fromRgbF(mix(a.redF(), b.redF()), mix(a.greenF(), b.greenF()),
                            mix(a.blueF(), b.blueF()));
}

// `wanted`, moved towards the text colour just far enough to be read on each of the backgrounds
// (4.5:1, WCAG's level for body text): a theme may change Base and Text but leave Link blue.
QColor readable(const QColor& wanted, const QColor& text, std::initializer_list<QColor> backs)
{
    for (int step = 0; step < 10; ++step) {
        const QColor tried = mix(wanted, text, step / 10.0);
        if (std::all_of(backs.begin(), backs.end(),
                        [&](const QColor& back) { return contrast(tried, back) >= 4.5; }))
            return tried;
    }
    return text;
}

// The manual's colours, made from the window's palette when it is shown. The page sets none of
// its own: its dark text and light boxes could not be read on a dark theme. The boxes are the
// base tinted a little towards the text (notes: towards the highlight colour), so they stay light
// on a light theme and dark on a dark one.
QString pageStyle(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const QColor code = mix(base, text, 0.06);
    const QColor head = mix(base, text, 0.12);
    const QColor note = mix(base, palette.color(QPalette::Highlight), 0.12);
    const std::initializer_list<QColor> backs = {base, code, head, note};
    const QColor messageRed(0xa3, 0x2a, 0x10); // the program's messages quoted in the manual
    return QStringLiteral("h1, h2, a { color: %1; } pre { background-color: %2; } "
                          "th { background-color: %3; } .hinweis { background-color: %4; } "
                          ".meldung { color: %5; }")
        .arg(readable(palette.color(QPalette::Link), text, backs).name(), code.name(), head.name(),
             note.name(), readable(messageRed, text, backs).name());
}

// A real window around the browser, so that screen readers meet a window with its title, and
// the keys every help viewer has: Escape and Ctrl+W close it, Alt+Left and Alt+Right go back and
// forward.
class HelpWindow : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(HelpWindow)

public:
    HelpWindow() // no parent: the help must not close or block with any dialog
    {
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
        setWindowTitle(tr("Zandrel – Hilfe"));
        setObjectName(QStringLiteral("helpWindow"));
        browser = new QTextBrowser(this);
        browser->setObjectName(QStringLiteral("helpBrowser"));
        browser->setAccessibleName(tr("Handbuch"));
        browser->setOpenExternalLinks(true);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
        const auto key = [this](const QKeySequence& keys, void (QTextBrowser::*slot)()) {
            auto* action = new QAction(this);
            action->setShortcut(keys);
            connect(action, &QAction::triggered, browser, slot);
            addAction(action);
        };
        key(QKeySequence(Qt::ALT | Qt::Key_Left), &QTextBrowser::backward);
        key(QKeySequence(Qt::ALT | Qt::Key_Right), &QTextBrowser::forward);
        auto* close = new QAction(this);
        close->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence::Close});
        connect(close, &QAction::triggered, this, &QDialog::reject);
        addAction(close);
    }

    QTextBrowser* browser = nullptr;
};

QPointer<HelpWindow>& instance()
{
    static QPointer<HelpWindow> window;
    return window;
}

} // namespace

QString manualPath()
{
    return dataPath(QStringLiteral("help/zandrelhelp.html"));
}

void show()
{
    show(manualPath());
}

QTextBrowser* show(const QString& path)
{
    QPointer<HelpWindow>& window = instance();
    if (!window) {
        window = new HelpWindow;
        // Wholly on the screen it opens on, title bar included, at any size and scale.
        placement::placeOnScreen(*window, kWantedSize);
    }
    QTextBrowser* browser = window->browser;
    // The colours are those of the palette now; the same page shown again is read again only when
    // they changed since (the colour scheme switched while the window was hidden).
    const QString style = pageStyle(browser->palette());
    const bool restyled = style != browser->document()->defaultStyleSheet();
    browser->document()->setDefaultStyleSheet(style);
    // Always the first topic, also when the reader had scrolled away the last time. No home()
    // after this: once the fallback text below has changed the document, home() would load the
    // missing page again and leave the window blank.
    const QUrl page = QUrl::fromLocalFile(path);
    if (restyled && browser->source() == page)
        browser->reload();
    else
        browser->setSource(page);
    if (browser->document()->isEmpty()) {
        browser->setHtml(messages::helpMissing(path));
    }
    browser->moveCursor(QTextCursor::Start);
    window->show();
    window->raise();
    window->activateWindow();
    browser->setFocus(Qt::OtherFocusReason);
    return browser;
}

void destroy()
{
    delete instance();
}

void logManualPath()
{
    qCInfo(lcData).noquote() << "help" << manualPath()
                             << (QFileInfo::exists(manualPath()) ? "found" : "missing");
}

} // namespace help
