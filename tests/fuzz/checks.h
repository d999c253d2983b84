#pragma once
// The properties the fuzz targets look for, one function per target. Each returns what
// went wrong, or an empty text. The libFuzzer targets abort on a failure; the replay of
// the corpus folders (test_fuzz_corpus) runs the same functions as ordinary tests.

#include <QByteArrayView>
#include <QString>

// The INI file read, some keys changed, written and read again: the changed keys read
// back as written, every other key as before, every line the writes did not touch is
// still there byte for byte, and the next read chooses the same encoding.
QString checkSettingsRoundTrip(QByteArrayView input);

// The integer text against a plain reference rule, and the colour text: every value
// back from its text, every text that reads as a colour consistent with its value.
QString checkTexts(QByteArrayView input);

// The latest version a page announces against a plain reference (its lines split by
// hand, the first title line, the text between the markers found by a scan), and
// TextBetween against the same scan on a line and two markers cut from the input at its
// first two NUL bytes.
QString checkVersionPage(QByteArrayView input);
