#pragma once
// The contents of the two drop-down lists: the clubs of the region and its events.

#include <QStringList>

namespace lists {

/// The 26 clubs of the region, in no particular order (the list sorts them).
QStringList clubs();

/// The events, in the order they are added.
QStringList events();

} // namespace lists
