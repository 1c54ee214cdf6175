#pragma once
// The program's one way to show a message box: caption = application name, modal to the window,
// the exclamation icon unless the caller names another. Tests install a presenter that records
// the request and answers instead of the real box.

#include <functional>
#include <memory>
#include <QString>

class QMessageBox;
class QWidget;

namespace msgbox {

enum class Buttons
{
    Ok,
    YesNo,         ///< Yes is the default button
    YesNoDefaultNo ///< for questions where Enter must not do the risky thing
};
enum class Icon
{
    Default,
    Stop
};
enum class Answer
{
    Ok,
    Yes,
    No,
    Cancel
};

struct Request
{
    QString caption;
    QString text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::Default;
    /// A question whose answers are sentences of their own (Buttons::YesNo): the texts of Yes
    /// and No; an "Abbrechen" button is added, which Escape presses.
    QString yesText;
    QString noText;
    /// Where set, the text is selectable and a "Kopieren" button puts this on the clipboard; the
    /// box stays open.
    QString copyText{};
};

using Presenter = std::function<Answer(QWidget* parent, const Request&)>;

/// Replaces the real message box; an empty function restores it.
void setPresenter(Presenter presenter);

/// Shows the box modally over parent and returns the button pressed.
Answer show(QWidget* parent, const QString& text, Buttons buttons = Buttons::Ok,
            Icon icon = Icon::Default);

/// A message with a "Kopieren" button for what the user needs elsewhere (Request::copyText).
Answer showCopyable(QWidget* parent, const QString& text, const QString& copyText);

/// A question with two answers of its own; the first is the default. Escape or the close box
/// give Answer::Cancel: nothing is decided.
Answer ask(QWidget* parent, const QString& text, const QString& yesText, const QString& noText);

/// Longest text a box shows; a longer one is cut to this length, ending with "…", and shown
/// whole under "Details".
constexpr qsizetype kMaxText = 300;

/// The real box for a request, not yet shown. Its text is always plain text.
std::unique_ptr<QMessageBox> makeBox(QWidget* parent, const Request& request);

} // namespace msgbox
