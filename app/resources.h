#pragma once

// The embedded images and pages live in the static core library; a static
// library's resources must be registered by hand before the first use.
void initDimletResources();
