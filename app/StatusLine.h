#pragma once
// The lines under the entry list: how many participants (and, for an event file's event, the
// fee), and under them what the last action did or why a command could not run, and whether
// anything is unsaved.

#include "app/RegistrationContext.h"
#include "entries/EntryDocument.h"
#include "messages/Messages.h"

#include <functional>
#include <optional>
#include <QObject>
#include <QString>

class ElidingLabel;
class QBoxLayout;
class QLabel;
class QWidget;

class StatusLine : public QObject
{
    Q_OBJECT

public:
    explicit StatusLine(QWidget* window);

    /// Into `layout` at `index`: the counts, and under them the status.
    void placeIn(QBoxLayout* layout, int index);

    /// The same words as the totals of the printed registration; for an event file's event also
    /// the fee of those billed, and how many the event does not admit.
    void showCounts(const EntryDocument::Counts& counts,
                    const std::optional<RegistrationContext::Bill>& bill);
    /// The last action, or why a command did not run.
    void say(const QString& text);
    /// A file saved, loaded or written as PDF, with the time.
    void sayDone(messages::FileAction action, const QString& path);
    /// say() for the commands that report as they go.
    std::function<void(const QString&)> sayer();
    /// An undo or redo step: it stays only until anything else changes the list.
    void sayStep(const QString& text);
    /// The list changed: a named undo or redo step is stale now.
    void listChanged();
    void showUnsaved(bool unsaved);

    /// Follows the document: a named step goes stale with the next change, and the unsaved
    /// state shows as it changes.
    void follow(const EntryDocument& document);

private:
    void update();

    QLabel* m_lblCounts;
    ElidingLabel* m_lblStatus;
    QString m_said;
    bool m_saidIsStep = false;
    bool m_unsaved = false;
};
