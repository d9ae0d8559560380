#include "controls/VexMatrixFont.h"

#include <QList>
#include <QStringView>
#include <algorithm>
#include <array>
#include <string_view>

namespace Vex {

namespace {
// Characters outside the code page map to a code that no glyph has: they show a blank cell.
constexpr uint8_t KUnknownCode = 0x7F;

// In the glyph table's order; adjacent literals keep the hex escapes apart from the letters.
constexpr std::string_view KCharacterText = " 1234567890"
                                            "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                            "\xC5\xC4\xD6"
                                            "abcdefghijklmnopqrstuvwxyz"
                                            "!?:;,.<>{}()[]+-*%&$"
                                            "\"'/=@"
                                            "\xE5\xE4\xF6";
static_assert(KCharacterText.size() == 94);

constexpr std::array<uint8_t, KCharacterText.size()> KCharacterSet = [] {
    std::array<uint8_t, KCharacterText.size()> Codes{};
    for (size_t I = 0; I < Codes.size(); ++I)
        Codes[I] = uint8_t(KCharacterText[I]);
    return Codes;
}();

struct TGlyph {
    uint8_t Code;
    const char *Dots;
};

// Rows top to bottom, separated by blanks. "X" marks the lit dots of the 1 as "x" does for the
// others; only "." is dark.
constexpr TGlyph KGlyphs[] = {
    {' ', "..... ..... ..... ..... ..... ..... ....."},
    {'!', "..x.. ..x.. ..x.. ..x.. ..... ..x.. ..x.."},
    {'"', ".x.x. .x.x. .x.x. ..... ..... ..... ....."},
    {'$', "..x.. .xxxx x.x.. .xxxx ..x.x xxxx. ..x.."},
    {'%', "xxx.x x.x.x xxxx. ..x.. .xxxx x.x.x x.xxx"},
    {'&', ".x... x.x.. x.x.. .x... x.x.x x..x. xxx.x"},
    {'\'', "...x. ...x. ...x. ..... ..... ..... ....."},
    {'(', "...x. ..x.. ..x.. ..x.. ..x.. ..x.. ...x."},
    {')', ".x... ..x.. ..x.. ..x.. ..x.. ..x.. .x..."},
    {'*', "..x.. x.x.x .xxx. xxxxx .xxx. x.x.x ..x.."},
    {'+', "..... ..x.. ..x.. xxxxx ..x.. ..x.. ....."},
    {',', "..... ..... ..... ..xx. ..xx. ...x. ..x.."},
    {'-', "..... ..... ..... xxxxx ..... ..... ....."},
    {'.', "..... ..... ..... ..... ..... .xx.. .xx.."},
    {'/', "....x ....x ...x. ..x.. .x... x.... x...."},
    {'0', ".xxx. x...x x..xx x.x.x xx..x x...x .xxx."},
    {'1', "..X.. .XX.. ..X.. ..X.. ..X.. ..X.. .XXX."},
    {'2', ".xxx. x...x ....x ...x. ..x.. .x... xxxxx"},
    {'3', ".xxx. x...x ....x ..xx. ....x x...x .xxx."},
    {'4', "...x. ..xx. .x.x. x..x. xxxxx ...x. ...x."},
    {'5', "xxxxx x.... x.... xxxx. ....x ....x xxxx."},
    {'6', ".xxxx x.... x.... xxxx. x...x x...x .xxx."},
    {'7', "xxxxx x...x ....x ...x. ..x.. ..x.. ..x.."},
    {'8', ".xxx. x...x x...x .xxx. x...x x...x .xxx."},
    {'9', ".xxx. x...x x...x .xxxx ....x x...x .xxx."},
    {':', "..... .xx.. .xx.. ..... .xx.. .xx.. ....."},
    {';', ".xx.. .xx.. ..... .xx.. .xx.. ..x.. .x..."},
    {'<', "...x. ..x.. .x... x.... .x... ..x.. ...x."},
    {'=', "..... ..... xxxxx ..... xxxxx ..... ....."},
    {'>', "x.... .x... ..x.. ...x. ..x.. .x... x...."},
    {'?', ".xxx. x...x x...x ...x. ..x.. ..... ..x.."},
    {'@', ".xxx. x...x x.xxx x.x.x x.xx. x.... .xxxx"},
    {'A', ".xxx. x...x x...x xxxxx x...x x...x x...x"},
    {'B', "xxxx. x...x x...x xxxx. x...x x...x xxxx."},
    {'C', ".xxx. x...x x.... x.... x.... x...x .xxx."},
    {'D', "xxxx. x...x x...x x...x x...x x...x xxxx."},
    {'E', "xxxxx x.... x.... xxx.. x.... x.... xxxxx"},
    {'F', "xxxxx x.... x.... xxx.. x.... x.... x...."},
    {'G', ".xxx. x...x x.... x.... x..xx x...x .xxx."},
    {'H', "x...x x...x x...x xxxxx x...x x...x x...x"},
    {'I', ".xxx. ..x.. ..x.. ..x.. ..x.. ..x.. .xxx."},
    {'J', "xxxxx ....x ....x ....x ....x x...x .xxx."},
    {'K', "x...x x..x. x.x.. xx... x.x.. x..x. x...x"},
    {'L', "x.... x.... x.... x.... x.... x.... xxxxx"},
    {'M', "x...x xx.xx x.x.x x...x x...x x...x x...x"},
    {'N', "x...x xx..x x.x.x x..xx x...x x...x x...x"},
    {'O', ".xxx. x...x x...x x...x x...x x...x .xxx."},
    {'P', "xxxx. x...x x...x xxxx. x.... x.... x...."},
    {'Q', ".xxx. x...x x...x x...x x.x.x x..x. .xx.x"},
    {'R', "xxxx. x...x x...x xxxx. x.x.. x..x. x...x"},
    {'S', ".xxx. x...x x.... .xxx. ....x x...x .xxx."},
    {'T', "xxxxx ..x.. ..x.. ..x.. ..x.. ..x.. ..x.."},
    {'U', "x...x x...x x...x x...x x...x x...x .xxx."},
    {'V', "x...x x...x x...x .x.x. .x.x. ..x.. ..x.."},
    {'W', "x...x x...x x...x x.x.x x.x.x .x.x. .x.x."},
    {'X', "x...x x...x .x.x. ..x.. .x.x. x...x x...x"},
    {'Y', "x...x x...x .x.x. ..x.. ..x.. ..x.. ..x.."},
    {'Z', "xxxxx ....x ...x. ..x.. .x... x.... xxxxx"},
    {'a', "..... ..... .xxx. ....x .xxxx x...x .xxxx"},
    {'b', "x.... x.... xxxx. x...x x...x x...x xxxx."},
    {'c', "..... ..... .xxx. x...x x.... x...x .xxx."},
    {'d', "....x ....x .xxxx x...x x...x x...x .xxxx"},
    {'e', "..... ..... .xxx. x...x xxxxx x.... .xxx."},
    {'f', "..xx. .x..x .x... xxxx. .x... .x... .x..."},
    {'g', "..... .xxxx x...x .xxxx ....x x...x .xxx."},
    {'h', "x.... x.... x.... xxxx. x...x x...x x...x"},
    {'i', "..... ..x.. ..... ..x.. ..x.. ..x.. ..x.."},
    {'j', "..x.. ..... ..x.. ..x.. ..x.. x.x.. .x..."},
    {'k', "x.... x.... x.... x..x. xxx.. x..x. x...x"},
    {'l', ".xx.. ..x.. ..x.. ..x.. ..x.. ..x.. .xxx."},
    {'m', "..... ..... xx.x. x.x.x x.x.x x.x.x x.x.x"},
    {'n', "..... ..... xxxx. x...x x...x x...x x...x"},
    {'o', "..... ..... .xxx. x...x x...x x...x .xxx."},
    {'p', "..... ..... xxxx. x...x xxxx. x.... x...."},
    {'q', "..... ..... .xxxx x...x .xxxx ....x ....x"},
    {'r', "..... ..... x.xx. xx..x x.... x.... x...."},
    {'s', "..... ..... .xxxx x.... .xxx. ....x xxxx."},
    {'t', ".x... .x... xxxx. .x... .x... .x..x ..xx."},
    {'u', "..... ..... x...x x...x x...x x..xx .xx.x"},
    {'v', "..... ..... x...x x...x .x.x. .x.x. ..x.."},
    {'w', "..... ..... x...x x.x.x x.x.x .x.x. .x.x."},
    {'x', "..... ..... x...x .x.x. ..x.. .x.x. x...x"},
    {'y', "..... ..... x...x x...x .xxxx ....x .xxx."},
    {'z', "..... ..... xxxxx ...x. ..x.. .x... xxxxx"},
    {0xC4, ".x.x. ..... .xxx. x...x xxxxx x...x x...x"},
    {0xC5, "..x.. .x.x. .xxx. x...x xxxxx x...x x...x"},
    {0xD6, ".x.x. ..... .xxx. x...x x...x x...x .xxx."},
    {0xE4, ".x.x. ..... .xxx. ....x .xxxx x...x .xxxx"},
    {0xE5, "..x.. .x.x. .xxx. ....x .xxxx x...x .xxxx"},
    {0xF6, ".x.x. ..... .xxx. x...x x...x x...x .xxx."},
};
static_assert(std::size(KGlyphs) == 90);

constexpr bool WellFormed(const char *Dots) {
    const std::string_view S(Dots);
    if (S.size() != MatrixGlyphRows * (MatrixGlyphColumns + 1) - 1)
        return false;
    for (size_t I = MatrixGlyphColumns; I < S.size(); I += MatrixGlyphColumns + 1)
        if (S[I] != ' ')
            return false;
    return true;
}
static_assert(std::all_of(std::begin(KGlyphs), std::end(KGlyphs),
                          [](const TGlyph &G) { return WellFormed(G.Dots); }));

// The glyph of every code byte, or null.
constexpr std::array<const char *, 256> KPatternOfCode = [] {
    std::array<const char *, 256> Table{};
    for (const TGlyph &G : KGlyphs)
        Table[G.Code] = G.Dots;
    return Table;
}();
} // namespace

std::span<const uint8_t> MatrixCharacterSet() {
    return KCharacterSet;
}

const char *MatrixGlyphPattern(uint8_t Code) {
    return KPatternOfCode[Code];
}

std::vector<uint8_t> MatrixCharCodes(const QString &Text) {
    const QString Composed = Text.normalized(QString::NormalizationForm_C);
    const qsizetype End = Composed.indexOf(QChar(0));
    const QList<uint> Characters =
        QStringView(Composed).left(End < 0 ? Composed.size() : End).toUcs4();
    std::vector<uint8_t> Codes;
    Codes.reserve(size_t(Characters.size()));
    for (const uint Ch : Characters)
        Codes.push_back(Ch < 256 ? uint8_t(Ch) : KUnknownCode);
    return Codes;
}

} // namespace Vex
