#include "finder_fixture.h"
#include "finders/finders.h"
#include "model/paths.h"
#include "window/references.h"

namespace gs::test {
namespace {

class UnitDetailTest : public FinderTest {
protected:
    // Lists the table and picks the unit named `name`.
    void show(const std::string& name) {
        f.cmdUApplyFilters.click();
        pickUnit(name);
    }
    std::string sprite(const std::string& file) { return appendPath(folder, "\\RKsprites\\" + file); }
};

// Zero and negative values count as missing where a positive one is asked
// for and keep their sign elsewhere; a bare unit still gets its six line
// breaks; the last row with the number is the one described.
TEST_F(UnitDetailTest, EdgeValuesAndTheLastRowWithTheNumber) {
    e.Units[0] = blankUnit(8, "Plain Levy");
    e.Units[0].PathFire = e.Units[0].Standard = e.Units[0].Summon = 0;
    e.Units[0].Fear = -2;
    e.Units[1] = blankUnit(9, "Wretch");
    e.Units[1].HitPoints = -5;
    e.Units[1].LeaderUndead = -1;
    e.Units[1].SlotsHand = 0;
    e.Units[1].Stealth = -3;
    e.Units[2] = blankUnit(40, "First Copy");
    e.Units[5] = blankUnit(40, "Second Copy");
    std::string shown;
    for (const char* name : {"Plain Levy", "Wretch", "First Copy"}) {
        show(name);
        shown += f.txtUnitDescription.text() + "|" + f.lblUnitNumber.toolTip() + "|";
    }
    f.cboUnitFound.setListIndex(0);
    shown += f.txtUnitDescription.text() + "|" + f.lblUnitNumber.caption() + f.lblUnitNumber.toolTip();
    EXPECT_EQ(shown,
              "8 Plain Levy\r\n\r\n\r\n\r\n\r\n\r\n|Plain Levy|"
              "9 Wretch\r\n, hp -5\r\n, undead ldr -1\r\n, hand  0\r\n\r\n, stealth -3\r\n|Wretch|"
              "40 Second Copy\r\n\r\n\r\n\r\n\r\n\r\n|Second Copy|NO UNIT SELECTED.|");
}

// Sprites are found by the number padded to four digits after its sign; a
// quarter, half or the whole frame width is centred on the frame's bottom,
// any other width keeps the previous left edge; a missing sprite keeps the
// picture, silently.
TEST_F(UnitDetailTest, SpritesAreFoundByPaddedNumberAndSitOnTheFrameBottom) {
    f.shpUnit.setGeometry({1000, 2000, 1920, 1920});  // 128 pixels wide
    struct Sprite {
        int number, width, height, left;
        const char* file;
    };
    const Sprite sprites[] = {{1, 32, 40, 1720, "0001.jpg"},    {2, 64, 64, 1480, "0002.jpg"},
                              {3, 128, 100, 1000, "0003.jpg"},  {4, 50, 30, 1000, "0004.jpg"},
                              {5, 32, 32, 1720, "0005.jpg"},    {-666, 100, 10, 1720, "-0666.jpg"},
                              {12345, 16, 16, 1720, "12345.jpg"}, {77, 0, 0, 0, nullptr}};
    for (int i = 0; i < 8; ++i) {
        e.Units[i] = blankUnit(sprites[i].number, "sprite " + std::to_string(i));
        if (sprites[i].file) writePicture(sprite(sprites[i].file), sprites[i].width, sprites[i].height);
    }
    f.cmdUApplyFilters.click();
    for (int i = 0; i < 8; ++i) {
        const Sprite& s = sprites[i].file ? sprites[i] : sprites[i - 1];
        pickUnit("sprite " + std::to_string(i));
        EXPECT_EQ(f.picUnit.picturePath(), sprite(s.file)) << i;
        EXPECT_EQ(std::vector<int>({f.picUnit.geometry().left, f.picUnit.geometry().top, f.picUnit.geometry().width}),
                  std::vector<int>({s.left, 2000 + 1920 - s.height * 15, s.width * 15}))
            << i;
    }
    f.lblUnitNumber.click();
    EXPECT_EQ(platform.openedUrls, std::vector<std::string>{std::string(kUnitReferenceBase) + "00077.png"});
    pickUnit("sprite 5");
    f.lblUnitNumber.click();
    EXPECT_EQ(platform.openedUrls.back(), std::string(kUnitReferenceBase) + "-00666.png");
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace gs::test
