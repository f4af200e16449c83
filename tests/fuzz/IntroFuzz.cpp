// Any bytes as an intro picture, on any board the settings allow: a picture
// that fits puts every piece on the board, never more than there are robots.
#include "settings/Settings.h"
#include "tests/fuzz/FuzzInput.h"
#include "view/IntroPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CFuzzInput in = {data, size};
    int columns = BOUNDS.minColumns + in.Pick(BOUNDS.maxColumns - BOUNDS.minColumns + 1);
    int lines = BOUNDS.minLines + in.Pick(BOUNDS.maxLines - BOUNDS.minLines + 1);
    int robots = (int)(in.Pick(256) << 8 | in.Pick(256)) % 9000;
    std::string picture = in.Rest();

    CIntroSize measured = MeasureIntroPicture(picture.data(), picture.size());
    FUZZ_CHECK(measured.pieces <= (int)picture.size() && measured.lines >= 0 && measured.width >= 0);
    if (!IntroFits(measured, columns, lines)) return 0;
    CCell origin = IntroOrigin(measured, columns, lines);
    std::vector<CIntroPiece> pieces = LayOutIntroPicture(picture.data(), picture.size(), origin, robots);
    FUZZ_CHECK((int)pieces.size() == std::min(measured.pieces, robots));
    for (const CIntroPiece& p : pieces)
        FUZZ_CHECK(p.cell.column >= 0 && p.cell.column < columns && p.cell.line >= 0 && p.cell.line < lines);
    return 0;
}
