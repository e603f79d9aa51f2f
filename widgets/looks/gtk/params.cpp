// The "GTK" look's parameters: its palette, and the metrics that grow with
// the font; and the values its init reads from them.
#include "widgets/looks/gtk/look.h"

int gtk_white;
int gtk_prelight;
int gtk_face;
int gtk_pressed;
int gtk_shadow_light;
int gtk_shadow;
int gtk_black;
int gtk_select;
int gtk_check_size;
int gtk_scrollbar_width;
int gtk_bevel_width;
int gtk_check_padding;

// clang-format off
const LookParamDef GTK_PARAMS[GTK_PARAM_COUNT] = {
    colour_param("white",        0xFFFFFF, "highlights, field and list background"),
    colour_param("prelight",     0xEEEAEE, "focused button face, lit rows, menu highlight"),
    colour_param("face",         0xD6D6D6, "normal face; the look's background"),
    colour_param("pressed",      0xC5C2C5, "pressed face, scroll trough"),
    colour_param("shadow_light", 0xA5A5A5, "prelight inner shadow; disabled edit text"),
    colour_param("shadow",       0x959595, "raised inner shadow; disabled text"),
    colour_param("black",        0x000000, "outer shadow, outlines, text"),
    colour_param("select",       0x00009C, "selected list rows"),
    size_param  ("check_size",   10, 32,   "check box; the radio button is one more"),
    LookParamDef{"scrollbar_width", THEME_PARAM_PIXELS, 12, 6, 40, "scroll bar of lists and text boxes"},
    pixels_param("bevel_width",   2, 1, 8,  "bevels of buttons, fields and frames: edge and shadow lines"),
    pixels_param("check_padding", 3, 0, 24, "space left of check boxes and radio buttons"),
};
// clang-format on

const LookParamTable gtk_param_table = look_param_table(&gtk_record, GTK_PARAMS);

void gtk_read_params(void)
{
    gtk_white = look_colour_value(GTK_PARAMS[GTK_P_WHITE]);
    gtk_prelight = look_colour_value(GTK_PARAMS[GTK_P_PRELIGHT]);
    gtk_face = look_colour_value(GTK_PARAMS[GTK_P_FACE]);
    gtk_pressed = look_colour_value(GTK_PARAMS[GTK_P_PRESSED]);
    gtk_shadow_light = look_colour_value(GTK_PARAMS[GTK_P_SHADOW_LIGHT]);
    gtk_shadow = look_colour_value(GTK_PARAMS[GTK_P_SHADOW]);
    gtk_black = look_colour_value(GTK_PARAMS[GTK_P_BLACK]);
    gtk_select = look_colour_value(GTK_PARAMS[GTK_P_SELECT]);
    gtk_check_size = look_size_value(GTK_PARAMS[GTK_P_CHECK_SIZE]);
    gtk_scrollbar_width = look_value(GTK_PARAMS[GTK_P_SCROLLBAR_WIDTH]);
    gtk_bevel_width = look_value(GTK_PARAMS[GTK_P_BEVEL_WIDTH]);
    gtk_check_padding = look_value(GTK_PARAMS[GTK_P_CHECK_PADDING]);
}
