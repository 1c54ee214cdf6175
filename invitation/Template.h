#pragma once
// The commented event file an organiser starts from, and the names of each keyword's fields.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace invitation {

/// The names of a keyword's fields, as the template explains them.
QStringList fieldNames(const QString& keyword);

/// A commented file with every keyword explained and an example, for an organiser to fill in.
QByteArray templateBytes();

} // namespace invitation
