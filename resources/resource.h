// Resource identifiers shared by the .rc files and the code.
#pragma once

#define IDI_PLINKETY 1

// Image strips, five pictures side by side in theme order.
#define IDB_PLAYBUTTON 101  // 35 × 35
#define IDB_PLAYAGAIN 102   // 35 × 13
#define IDB_SONGTAG 103     // 150 × 35

// Raw data: the About banner (JPEG).
#define IDR_BANNER 201
