// Temporary: the GTK procedures not yet drawn in the look fall back to
// Allegro's stock drawing so the record is complete while they are written.
#include "widgets/gtk_look.h"

void gtk_bevel(int, int, int, int, int) {}
void gtk_box(int, int, int, int, int, int) {}
void gtk_focus_fill(DIALOG *) {}
void gtk_list_frame(DIALOG *, int, int, int) {}
int gtk_state_kind(const DIALOG *) { return 0; }
int gtk_state_frame(const DIALOG *) { return 0; }
void gtk_draw_menu(int, int, int, int) {}
void gtk_draw_menu_item(MENU *, int, int, int, int, int, int) {}
int gtk_box_proc(int msg, DIALOG *d, int c) { return d_box_proc(msg, d, c); }
int gtk_shadow_box_proc(int msg, DIALOG *d, int c) { return d_shadow_box_proc(msg, d, c); }
int gtk_button_proc(int msg, DIALOG *d, int c) { return d_button_proc(msg, d, c); }
int gtk_push_proc(int msg, DIALOG *d, int c) { return stock_push_proc(msg, d, c); }
int gtk_check_proc(int msg, DIALOG *d, int c) { return d_check_proc(msg, d, c); }
int gtk_radio_proc(int msg, DIALOG *d, int c) { return d_radio_proc(msg, d, c); }
int gtk_icon_proc(int msg, DIALOG *d, int c) { return d_icon_proc(msg, d, c); }
int gtk_edit_proc(int msg, DIALOG *d, int c) { return d_edit_proc(msg, d, c); }
int gtk_list_proc(int msg, DIALOG *d, int c) { return d_list_proc(msg, d, c); }
int gtk_text_list_proc(int msg, DIALOG *d, int c) { return d_text_list_proc(msg, d, c); }
int gtk_textbox_proc(int msg, DIALOG *d, int c) { return d_textbox_proc(msg, d, c); }
int gtk_slider_proc(int msg, DIALOG *d, int c) { return d_slider_proc(msg, d, c); }
int gtk_menu_proc(int msg, DIALOG *d, int c) { return d_menu_proc(msg, d, c); }
int gtk_window_proc(int msg, DIALOG *d, int c) { return stock_window_proc(msg, d, c); }
int gtk_clear_proc(int msg, DIALOG *d, int c) { return d_clear_proc(msg, d, c); }
