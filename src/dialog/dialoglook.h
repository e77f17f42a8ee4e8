#pragma once

// The dialog places every widget at fixed pixel positions, so it needs a
// style whose group-box titles sit on the frame line and a font of a fixed
// pixel size: with the platform's defaults the titles are clipped.
void applyFixedLayoutLook();
