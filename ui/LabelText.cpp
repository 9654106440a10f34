#include "LabelText.h"

#include "CoreTexts.h"
#include "Scene.h"

#include <QFontMetrics>
#include <algorithm>

namespace LabelText {

namespace {
// IPAPGothic stands in for "ＭＳ Ｐゴシック": a proportional gothic with the same Japanese glyphs.
constexpr const char* Family = "IPAPGothic";
} // namespace

QFont font(Font font) {
    QFont f(QString::fromLatin1(Family));
    f.setPixelSize(std::max(1, font.pixelSize));
    f.setBold(font.bold);
    return f;
}

QStringList lines(const GameText& text) {
    return CoreTexts::shown(text).split(QLatin1Char('\r'));
}

QSize size(const GameText& text, Font font) {
    const QFontMetrics metrics(LabelText::font(font));
    const QStringList all = lines(text);
    int widest = 0;
    for (const QString& line : all)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return {widest, metrics.height() * static_cast<int>(all.size())};
}

void fitTranslations(Scene& scene) {
    for (const Element& label : scene.elements()) {
        if (!label.autoSize ||
            CoreTexts::shown(label.text) == QString::fromStdString(label.text.filled()))
            continue;
        const QSize translated = size(label.text, label.font);
        scene.resize(label.id, {translated.width(), translated.height()});
    }
}

} // namespace LabelText
