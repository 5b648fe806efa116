// Resource identifiers shared by the .rc files and the code.
#pragma once

#define IDI_PLINKETY 1

// Image strips, five pictures side by side in theme order, drawn for 100 %:
// deflated BMP files (RCDATA), as are those of the other scales below.
#define IDB_PLAYBUTTON 101  // 35 × 35
#define IDB_PLAYAGAIN 102   // 35 × 13
#define IDB_SONGTAG 103     // 150 × 35

// The same strips drawn for the other display scales are numbered (id - 100) * 1000 + per cent: IDB_PLAYBUTTON at 150 % is
// 1150 (see scaledStripResource). resources/CMakeLists.txt writes them from
// the scales of art_scales.h.

// Raw data: the About banner (JPEG).
#define IDR_BANNER 201
