#pragma once
// What assistive technology hears of the drawn controls: labels are static
// text named by their caption, and the seconds bar is a progress bar whose
// value is the filled share of its outline (0 to 1).
namespace kanmeri::platform {

// Installs the factory for the program's own widgets; once per process.
void installAccessibility();

}  // namespace kanmeri::platform
