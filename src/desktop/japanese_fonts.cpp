#include "desktop/japanese_fonts.h"

#include <QStringList>

namespace bio {

void installJapaneseFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                               QStringList{QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"),
                               QStringList{QStringLiteral("IPAMincho")});
    // A rounded pop face is rare on Linux; a plain Gothic keeps the title legible.
    QFont::insertSubstitutions(QStringLiteral("富士ポップ"),
                               QStringList{QStringLiteral("IPAGothic")});
}

QFont qtFont(const Font& font) {
    QFont result(QString::fromStdString(font.family));
    result.setPointSizeF(font.points);
    result.setBold(font.bold);
    return result;
}

}  // namespace bio
