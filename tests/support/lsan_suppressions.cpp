// SPDX-License-Identifier: GPL-3.0-or-later
// Leaks inside system libraries that Qt loads (D-Bus, fontconfig) are not ours
// to fix; LeakSanitizer still reports every leak in Lumo's own code.
extern "C" const char *__lsan_default_suppressions();
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libdbus-1.so\n"
           "leak:libfontconfig.so\n";
}
