// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform
{

// Maps the font family "Osaka", in which every text of Lumo is set, to the
// installed Japanese fonts that render small digits and kanji best.
void installFontSubstitutions();

} // namespace platform
