#pragma once

namespace common {

/// Maps the Windows font names that the layouts use onto the IPA fonts.
void SubstituteWindowsFonts();

}  // namespace common
