#pragma once

#include <QList>
#include <QString>

namespace solario {

// Where a line of the text may break: the positions (0 < p < size) before which a new
// line may start. Japanese breaks between phrases (言葉のまとまり), never inside a word
// such as クリソタイル or スレート; other scripts between words. A forced line break (line
// or paragraph separator, line feed) is a position too.
QList<qsizetype> LineBreakPositions(const QString& text);

} // namespace solario
