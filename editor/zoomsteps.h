#pragma once

// Zoom steps of the editor's zoom slider, in percent. Results may lie outside the
// slider's range; the slider clamps them.

// Up to the next whole hundred above the value: 100 -> 200, 150 -> 200, 10 -> 100.
int zoomInPercent(int percent);

// Down to the whole hundred below the value, never under 10: 250 -> 200, 100 -> 10.
int zoomOutPercent(int percent);
