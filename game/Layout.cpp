#include "Layout.h"

#include "Texts.h"

#include <utility>

namespace {

Element label(ElementId id, Rect rect, GameText text, Color color, int pixelSize, Align align,
              bool autoSize) {
    Element e;
    e.id = id;
    e.kind = ElementKind::Label;
    e.rect = rect;
    e.text = std::move(text);
    e.color = color;
    e.font = Font{pixelSize, true};
    e.align = align;
    e.autoSize = autoSize;
    return e;
}

Element picture(ElementId id, Rect rect, Picture picture, bool stretched = false) {
    Element e;
    e.id = id;
    e.kind = ElementKind::Picture;
    e.rect = rect;
    e.picture = picture;
    e.stretched = stretched;
    return e;
}

} // namespace

std::array<Element, ElementCount> initialLayout() {
    using enum ElementId;
    constexpr bool Fixed = false;
    constexpr bool Auto = true;
    // The status labels hold figures of their own until the game first sets them.
    std::array<Element, ElementCount> layout{
        label(LabelHighScore, {456, 80, 153, 65}, {"Texts", Texts::ScorePattern, "300"},
              Colors::SkyBlue, 29, Align::Right, Fixed),
        label(LabelLevel, {512, 16, 77, 21}, {"Texts", Texts::LevelPattern, "１"}, Colors::Blue, 21,
              Align::Left, Auto),
        label(LabelTime, {40, 16, 33, 33}, "60", Colors::Red, 24, Align::Right, Fixed),
        label(LabelScore, {520, 48, 90, 33}, {"Texts", Texts::ScorePattern, "0"}, Colors::Lime, 29,
              Align::Right, Fixed),
        picture(ImgBakuhatu2, {224, 80, 50, 45}, Picture::Explosion),
        picture(ImgBakuhatu1, {160, 72, 50, 45}, Picture::Explosion),
        picture(ImgBakuhatu0, {88, 80, 50, 45}, Picture::Explosion),
        picture(ImgMonster2, {480, 48, 50, 60}, Picture::Monster),
        picture(ImgMonster0, {56, 72, 50, 60}, Picture::Monster),
        picture(ImgMonster1, {296, 22, 50, 60}, Picture::Monster),
        picture(ImgBou, {288, 350, 32, 32}, Picture::Hammer, true),
        label(Label1, {64, MessageTop, 513, 145}, "", Colors::Yellow, 27, Align::Center, Fixed),
        picture(ImgTitle1, {60, 170, 44, 6}, Picture::Title1, true),
        picture(ImgTitle2, {60, 230, 48, 6}, Picture::Title2, true),
        picture(ImgRogo, {392, 328, 200, 43}, Picture::Credit),
        label(LabelNR, {216, 16, 190, 37}, Texts::NewRecordBanner, Colors::Yellow, 37, Align::Left,
              Auto),
    };
    layout[static_cast<std::size_t>(ImgTitle1)].visible = true;
    layout[static_cast<std::size_t>(ImgTitle2)].visible = true;
    return layout;
}
