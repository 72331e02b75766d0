// How the window's own classes are announced to assistive technology: the window as a frame,
// each equation row as a group named by its equation, the grid as a table of its cells alone.
#pragma once

namespace simplesso {

// Safe to call more than once; the first call installs the factory for the whole program.
void InstallAccessibleClasses();

}  // namespace simplesso
