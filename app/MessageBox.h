#pragma once
// The program's one way to show a message box: caption = application name, modal to the window,
// the exclamation icon unless the caller names another. Tests install a presenter that records
// the request and answers instead of the real box.

#include <functional>
#include <QString>

class QWidget;

namespace msgbox {

enum class Buttons
{
    Ok,
    YesNo
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
};

using Presenter = std::function<Answer(QWidget* parent, const Request&)>;

/// Replaces the real message box; an empty function restores it.
void SetPresenter(Presenter presenter);

/// Shows the box modally over parent and returns the button pressed.
Answer Show(QWidget* parent, const QString& text, Buttons buttons = Buttons::Ok,
            Icon icon = Icon::Default);

} // namespace msgbox
