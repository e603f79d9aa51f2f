// Linked into the checkers that the tests of the real program run hundreds
// of times (a line of text on a screenshot, an enlarged picture). In the
// sanitizer build the leak scan at their exit must name the functions of
// what Allegro keeps until exit before its suppressions let it pass, and
// that costs ten times the check itself. A checker's leaks are no fault of
// the game: the game and its tests keep the scan.
extern "C" int __lsan_is_turned_off();  // NOLINT(bugprone-reserved-identifier): the sanitizer's own hook

extern "C" int __lsan_is_turned_off()  // NOLINT(bugprone-reserved-identifier): the sanitizer's own hook
{
    return 1;
}
