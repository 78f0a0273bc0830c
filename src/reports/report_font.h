#pragma once

#include <QByteArray>
#include <QString>

namespace solario {

// The family the printed pages and PDF documents are set in.
//
// The Japanese Gothic face the pages use draws a Kangxi radical (⽯ U+2F6F) with the
// very glyph of its ideograph (石 U+77F3), and a few signs likewise (− with the soft
// hyphen, 　 with the em space, ～ with the wave dash). A PDF writer that maps each glyph back to
// the lowest code point drawing it then writes "⽯綿" into the text layer, and a search for 石綿 in
// the saved PDF finds nothing. So the face is loaded for printing from its file with
// those look-alike code points taken out of its character map, under a name of its own;
// the page looks the same and its text reads back as written. When the font file cannot
// be found or read, the installed face is used as it is.
QString ReportFontFamily();

// The font file's bytes with the look-alike code points left out of its character map
// and the family renamed; empty when the data is not a TrueType font this can rewrite.
QByteArray WithoutLookAlikes(const QByteArray& font, const QString& family);

// The code points that WithoutLookAlikes leaves out when they share a glyph with
// another: radicals, combining marks, modifier letters, the soft hyphen, the typographic
// spaces and the wave dash (～ is written as the full-width tilde).
bool IsLookAlike(char32_t codePoint);

} // namespace solario
