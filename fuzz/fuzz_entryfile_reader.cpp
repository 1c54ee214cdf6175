// libFuzzer target for the entry file reader. Besides "no crash", it checks what must hold for any
// input: only sound codes come out, texts never hold a line feed, and writing what was read and
// reading that again gives the same entries.
#include "entries/Entry.h"
#include "entryfile/EntryFile.h"
#include "FuzzCheck.h"
#include "textfile/Cp1252.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <QByteArrayView>
#include <QStringList>

namespace {

constexpr int kYear = 2026;

using fuzz::check;

// A value that holds a keyword (the blank written behind it may complete one) reads back as more
// than one header value.
bool holdsKeyword(const QString& value)
{
    const QString written = value + QLatin1Char(' ');
    return written.contains(QStringLiteral("VEREIN: ")) ||
           written.contains(QStringLiteral("VERANSTALTUNG: "));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const entryfile::Content content = entryfile::read(bytes, kYear);
    if (content.refusal != entryfile::Content::Refusal::None) {
        check(content.entries.isEmpty() && content.headers.isEmpty(),
              "a refused file gives nothing");
        return 0;
    }

    for (const EntryRow& e : content.entries) {
        const int year = entry::yearOf(e.code);
        check(year == -1 || (year > kYear - 100 && year < kYear), "year inside the window or -1");
        check(!e.text.contains(QLatin1Char('\n')), "no line feed in a text");
        check(!e.text.contains(QChar(0x1A)), "no end-of-file mark in a text");
        check(cp1252::canEncode(e.text), "only Windows-1252 characters");
        check(!e.text.endsWith(QLatin1Char(' ')), "trailing blanks removed");
        check(e.text.contains(QLatin1Char(',')), "the text runs past the first comma");
    }
    qsizetype lastLine = -1;
    for (const entryfile::HeaderValue& h : content.headers) {
        check(h.line >= lastLine, "header values in file order");
        lastLine = h.line;
        check(!h.value.startsWith(QLatin1Char(' ')) && !h.value.endsWith(QLatin1Char(' ')),
              "header values trimmed");
        check(!h.value.contains(QLatin1Char(',')), "header lines hold no comma");
    }

    // Write what was read and read it again.
    QString club;
    QString event;
    for (const entryfile::HeaderValue& h : content.headers) {
        if (h.kind == entryfile::HeaderValue::Club && club.isEmpty())
            club = h.value;
        if (h.kind == entryfile::HeaderValue::Event && event.isEmpty())
            event = h.value;
    }
    const QByteArray written = entryfile::write(club, event, content.entries);
    const entryfile::Content again = entryfile::read(written, kYear);
    check(again.entries.size() == content.entries.size(), "same number of entries");
    // A Windows-1252 file can happen to be valid UTF-8 as well ("Ã¼" is the UTF-8 form of "ü");
    // the reader then takes it for UTF-8, so only the codes can be compared.
    const bool ambiguous = textfile::detectEncoding(written) == textfile::Encoding::Utf8;
    for (qsizetype i = 0; i < content.entries.size(); ++i) {
        check(again.entries[i].code == content.entries[i].code, "same code after a round trip");
        if (!ambiguous)
            check(again.entries[i].text == content.entries[i].text, "same text after a round trip");
    }
    if (!ambiguous && !holdsKeyword(club) && !holdsKeyword(event)) {
        check(again.headers.size() == 2, "two header values");
        check(again.headers[0].value == club && again.headers[1].value == event,
              "same header values after a round trip");
    }
    // A second round is byte for byte the same.
    check(entryfile::write(club, event, again.entries) == written || ambiguous,
          "writing is stable");

    // The header matching never selects outside the lists.
    const QStringList clubs = {QStringLiteral("TV Musterstadt"), QStringLiteral("SV Blau-Weiß")};
    const QStringList events = {QStringLiteral("Gauturnfest")};
    const entryfile::HeaderSelection selection =
        entryfile::matchHeaders(content.headers, clubs, events);
    check(selection.club >= -1 && selection.club < clubs.size(), "club index in range");
    check(selection.event >= -1 && selection.event < events.size(), "event index in range");
    return 0;
}
