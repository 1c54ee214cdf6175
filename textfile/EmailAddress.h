#pragma once
// An e-mail address as the program takes it from an organiser's file or a typed field, before a
// mail program ever sees it.

#include <QString>

namespace textfile {

/// A plain e-mail address and nothing else: an ASCII local part of letters, digits and
/// .!$'*+/=^_`{|}~- (not beginning with '-' or '.', no ".."), one '@', and a domain of letters,
/// digits and hyphens in at least two dot-separated labels. Anything a mail program could read as
/// a URL, an option or a second recipient ("file:/etc/passwd#@x.de") is none. Of the characters
/// mail allows before the '@', # % & ? are left out too: some mail programs decode a whole
/// mailto: link before they split it, and there they would start a fragment or a field
/// ("a?attach=/etc/passwd#@x.de"). No organiser's address has them.
bool validEmail(const QString& text);

} // namespace textfile
