// The "Photon" and "NeXTStep" looks in real dialogs: push buttons leave the
// closing to their callback, and typing reaches an edit field through the
// shifted row. (Without a graphics mode the dialog engine clips its drawing
// to an empty screen, so the pixels are checked in the headless tests.)
#include <allegro.h>
#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "pixel_helpers.h"
#include "widgets/theme.h"

namespace {

int presses = 0;

int keep_open(DIALOG *)
{
    ++presses;
    return D_O_K;
}

int close_dialog(DIALOG *)
{
    ++presses;
    return D_CLOSE;
}

const DIALOG END = {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr};

struct LookDialog : DialogTest, testing::WithParamInterface<Theme **> {
    void SetUp() override
    {
        DialogTest::SetUp();
        if (IsSkipped()) return;
        remove_mouse();  // no graphics mode here: the pointer cannot be drawn
        init_theme(*GetParam());
        presses = 0;
    }
};

TEST_P(LookDialog, PushButtonWhoseCallbackAnswersOkLeavesDialogOpen)
{
    char label[] = "Aye";
    DIALOG dlg[] = {
        {theme_push_proc, 50, 50, 80, 24, 0, 0, 0, 0, 0, 0, label, nullptr, reinterpret_cast<void *>(keep_open)},
        END,
    };
    simulate_keypress((KEY_ENTER << 8) | 13);
    simulate_keypress((KEY_ENTER << 8) | 13);
    simulate_keypress((KEY_ESC << 8) | 27);
    EXPECT_EQ(do_dialog(dlg, 0), -1);  // only ESC closed it
    EXPECT_EQ(presses, 2);
    EXPECT_TRUE(dlg[0].flags & D_EXIT);
    EXPECT_FALSE(dlg[0].flags & D_SELECTED);  // redrawn raised
}

TEST_P(LookDialog, PushButtonWhoseCallbackClosesEndsTheDialog)
{
    char label[] = "Aye";
    DIALOG dlg[] = {
        {theme_button_proc, 10, 10, 60, 20, 0, 0, 0, 0, 0, 0, label, nullptr, nullptr},
        {theme_push_proc, 50, 50, 80, 24, 0, 0, 0, 0, 0, 0, label, nullptr, reinterpret_cast<void *>(close_dialog)},
        END,
    };
    simulate_keypress((KEY_ENTER << 8) | 13);
    EXPECT_EQ(do_dialog(dlg, 1), 1);
    EXPECT_EQ(presses, 1);
}

TEST_P(LookDialog, TypingReachesTheEditFieldAndTheRowStaysPut)
{
    char text[32] = "Yo";
    DIALOG dlg[] = {
        {theme_edit_proc, 100, 60, 150, 30, 0, 0, 0, 0, 30, 2, text, nullptr, nullptr},
        END,
    };
    simulate_ukeypress(' ', KEY_SPACE);
    simulate_ukeypress('h', KEY_H);
    simulate_ukeypress('o', KEY_O);
    simulate_keypress(KEY_HOME << 8);
    simulate_ukeypress('>', KEY_STOP);
    simulate_keypress((KEY_ESC << 8) | 27);
    EXPECT_EQ(do_dialog(dlg, 0), -1);
    EXPECT_STREQ(text, ">Yo ho");
    EXPECT_EQ(dlg[0].x, 100);
    EXPECT_EQ(dlg[0].y, 60);
    EXPECT_EQ(edit_shift_depth, 0);
}

INSTANTIATE_TEST_SUITE_P(PhotonAndNextstep, LookDialog, testing::Values(&theme_photon, &theme_nextstep),
                         [](const testing::TestParamInfo<Theme **> &info) { return std::string((*info.param)->name); });

}  // namespace
