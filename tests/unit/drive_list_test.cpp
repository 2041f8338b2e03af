// The drive list of the variant-2 overlay: one slot per recognised drive,
// A to Z without gaps, at most twelve, in a panel sized to its slots and
// standing on the "Drives" button.

#include "app/orvela_app.h"
#include "forms/runtime.h"
#include "platform/fake/fake_platform.h"
#include "shell/drive_list.h"
#include "shell/form2_design.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace orvela;
using platform::fake::FakeMachine;
using platform::fake::FakePlatform;

struct Slot {
    std::string root, caption, pictureHolder;
};

class DriveList : public ::testing::Test {
protected:
    forms::ManualClock clock;
    forms::Runtime runtime{clock, 15360, 11520};
    forms::Form& form2 = runtime.addForm(shell::form2Design()).touch();

    forms::Control& c(const char* name, int index = -1) { return form2.control(name, index); }

    int fill(std::map<char, unsigned> drives) {
        FakeMachine machine;
        machine.driveTypes = std::move(drives);
        FakePlatform fake(machine);
        return shell::fillDriveList(form2, fake);
    }

    // Every filled slot as laid out, the slots above n hidden and untouched:
    // one column while it fits above the button (9600 twips), two beyond.
    void expectSlots(const std::vector<Slot>& slots) {
        const int n = static_cast<int>(slots.size());
        const int columns = n > 9 ? 2 : 1, rows = columns == 2 ? (n + 1) / 2 : n;
        const float height = static_cast<float>(rows) * 1000 + 500, width = 855.0f * columns;
        // Label42 (2640, 720, 735 wide) of Frame14 (720, 8880); a column is 855 wide.
        EXPECT_EQ(c("Frame2").bounds(),
                  (forms::Rect{3727.5f - width / 2, 9600 - height, width, height}));
        EXPECT_EQ(c("Image13").bounds(), (forms::Rect{0, 0, width, height}));
        for (int j = 1; j <= n; ++j) {
            const Slot& s = slots[static_cast<std::size_t>(j - 1)];
            SCOPED_TRACE("slot " + std::to_string(j) + " " + s.root);
            const float row = static_cast<float>((j - 1) % rows) * 1000;
            const float column = static_cast<float>((j - 1) / rows) * 855;
            EXPECT_EQ(c("Label3", j).caption(), s.root);
            EXPECT_EQ(c("Label21", j).caption(), s.caption);
            EXPECT_EQ(c("Image12", j).picture(), c(s.pictureHolder.c_str()).picture());
            EXPECT_EQ(c("Image12", j).bounds(),
                      (forms::Rect{column + 202.5f, row + 250, 450, 450}));
            EXPECT_EQ(c("Label21", j).bounds(), (forms::Rect{column, row + 700, 855, 495}));
            EXPECT_TRUE(c("Image12", j).visible());
            EXPECT_TRUE(c("Label21", j).visible());
        }
        for (int j = n + 1; j <= shell::driveSlotCount; ++j) {
            SCOPED_TRACE("slot " + std::to_string(j));
            EXPECT_FALSE(c("Image12", j).visible());
            EXPECT_FALSE(c("Label21", j).visible());
            EXPECT_EQ(c("Label21", j).caption(), "");
            EXPECT_TRUE(c("Image12", j).picture().isNone());
        }
    }
};

TEST_F(DriveList, FloppyHardDiskAndCdRomFillThreeSlotsInLetterOrder) {
    EXPECT_EQ(fill({{'A', 2}, {'C', 3}, {'D', 5}}), 3); // panel height 3500
    expectSlots({{"A:\\", "Drive A:\\ Floppy Disk", "Image11"},
                 {"C:\\", "Drive C:\\ Hard Disk.", "Image10"},
                 {"D:\\", "Drive D:\\ CD - ROM", "Image9"}});
}

TEST_F(DriveList, RemoteAndRamDisksShareTheirPictureAndUnrecognisedTypesLeaveNoGap) {
    EXPECT_EQ(fill({{'A', 1}, {'B', 0}, {'C', 3}, {'E', 0}, {'F', 4}, {'G', 1}, {'R', 6}}), 3);
    expectSlots({{"C:\\", "Drive C:\\ Hard Disk.", "Image10"},
                 {"F:\\", "Drive F:\\ is remote.", "Image8"},
                 {"R:\\", "Drive R:\\ RAM disk.", "Image8"}});
}

TEST_F(DriveList, OnlyTheFirstTwelveRecognisedDrivesGetSlotsInTwoColumns) {
    std::map<char, unsigned> drives;
    for (char letter = 'A'; letter <= 'N'; ++letter)
        drives[letter] = 3;
    int n = 0;
    ASSERT_NO_THROW(n = fill(drives));
    EXPECT_EQ(n, 12);
    std::vector<Slot> slots;
    for (char letter = 'A'; letter <= 'L'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        slots.push_back({root, "Drive " + root + " Hard Disk.", "Image10"});
    }
    expectSlots(slots);
    EXPECT_EQ(c("Label3", 0).caption(), ""); // element 0 is never a slot
}

TEST_F(DriveList, NoDrivesLeaveAnEmptyPanelOfHalfAThousandTwips) {
    EXPECT_EQ(fill({}), 0);
    expectSlots({});
}

// However many drives, every slot lies on the screen, at the sizes where the
// panel is tallest against the screen.
TEST(DriveListApp, EveryDriveSlotStaysOnTheScreen) {
    for (const auto& [width, height] : {std::pair{800u, 600u}, std::pair{1024u, 768u}})
        for (int drives : {9, 10, 12, 14}) {
            SCOPED_TRACE(std::to_string(drives) + " drives at " + std::to_string(width) + "x" +
                         std::to_string(height));
            const auto dir = std::filesystem::temp_directory_path() /
                             ("orvela-drives-" + std::to_string(std::random_device{}()));
            std::filesystem::create_directories(dir);
            FakeMachine machine;
            machine.programDir = dir.string();
            machine.screenWidth = width;
            machine.screenHeight = height;
            for (int i = 0; i < drives; ++i)
                machine.driveTypes[static_cast<char>('A' + i)] = 3;
            FakePlatform fake(machine);
            platform::Platform platform = fake.platform();
            forms::ManualClock clock;
            {
                app::OrvelaApp app(platform, clock, static_cast<float>(width) * 15,
                                   static_cast<float>(height) * 15);
                app.start();
                const forms::Form& form2 = *app.runtime().findForm("Form2");
                const forms::Rect screen{0, 0, static_cast<float>(width) * 15,
                                         static_cast<float>(height) * 15};
                for (int j = 1; j <= std::min(drives, shell::driveSlotCount); ++j)
                    for (const char* part : {"Image12", "Label21"}) {
                        const forms::Rect r = form2.control(part, j).formRect();
                        EXPECT_TRUE(r.left >= screen.left && r.top >= screen.top &&
                                    r.right() <= screen.right() && r.bottom() <= screen.bottom())
                            << part << "(" << j << ") at " << r.left << "," << r.top;
                    }
            }
            std::error_code ec;
            std::filesystem::remove_all(dir, ec);
        }
}

TEST(DriveListApp, IsFilledBeforeTheLayoutScalesThePanel) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("orvela-drives-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    FakeMachine machine;
    machine.programDir = dir.string();
    machine.screenWidth = 800;
    machine.screenHeight = 600;
    machine.driveTypes = {{'A', 2}, {'C', 3}, {'D', 5}};
    FakePlatform fake(machine);
    platform::Platform platform = fake.platform();
    forms::ManualClock clock;
    {
        app::OrvelaApp app(platform, clock, 12000, 9000);
        app.start();
        const forms::Form& form2 = *app.runtime().findForm("Form2");
        const forms::Control& panel = form2.control("Frame2");
        EXPECT_FLOAT_EQ(panel.height(), 3500 * 0.78125f);
        EXPECT_FLOAT_EQ(panel.top() + panel.height(), 9600 * 0.78125f); // still on Label42
        EXPECT_EQ(form2.control("Label21", 2).top(), 1700 * 0.78125f);
        EXPECT_EQ(form2.control("Label21", 3).caption(), "Drive D:\\ CD - ROM");
        EXPECT_FALSE(form2.control("Frame2").visible()); // pops up on the Drives button
    }
    std::filesystem::remove_all(dir);
}

} // namespace
