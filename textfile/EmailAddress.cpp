#include "textfile/EmailAddress.h"

#include <QRegularExpression>

namespace textfile {

bool validEmail(const QString& text)
{
    static const QRegularExpression plain(
        QStringLiteral("^[A-Za-z0-9!$'*+/=^_`{|}~][A-Za-z0-9.!$'*+/=^_`{|}~-]{0,63}"
                       "@(?:[A-Za-z0-9](?:[A-Za-z0-9-]{0,61}[A-Za-z0-9])?\\.)+"
                       "[A-Za-z0-9](?:[A-Za-z0-9-]{0,61}[A-Za-z0-9])?$"));
    const qsizetype at = text.indexOf(u'@');
    // A dot may part the local part's words, but neither end it nor come twice.
    return text.size() <= 254 && plain.match(text).hasMatch() && !text.first(at).endsWith(u'.') &&
           !text.first(at).contains(QStringLiteral(".."));
}

} // namespace textfile
