// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform
{

// Maps the font family "Osaka", in which every text of Lumo is set, to the
// installed Japanese fonts that render small digits and kanji best.
void installFontSubstitutions();

// Starts reading the system's font configuration on a thread of its own, so
// that it is ready by the time the first text is drawn; on a desktop with
// many fonts it is the largest single cost of a start. Does nothing where the
// toolkit does not use fontconfig.
void startFontWarmUp();

// Returns once the reading started by startFontWarmUp has ended; at once when
// none was started. Called before the first text is drawn, so that the
// toolkit's own font set-up finds the configuration loaded.
void awaitFontWarmUp();

} // namespace platform
