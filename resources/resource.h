// Resource identifiers shared by the .rc files and the code.
#pragma once

#define IDI_PLINKETY 1

// Image strips, five pictures side by side in theme order, drawn for 100 %.
#define IDB_PLAYBUTTON 101  // 35 × 35
#define IDB_PLAYAGAIN 102   // 35 × 13
#define IDB_SONGTAG 103     // 150 × 35

// The same strips drawn for the other display scales: (id - 100) * 1000 +
// per cent (see scaledStripResource), at the windows' picture sizes there.

#define IDB_PLAYBUTTON_125 1125
#define IDB_PLAYBUTTON_150 1150
#define IDB_PLAYBUTTON_175 1175
#define IDB_PLAYBUTTON_200 1200
#define IDB_PLAYBUTTON_250 1250
#define IDB_PLAYBUTTON_300 1300
#define IDB_PLAYAGAIN_125 2125
#define IDB_PLAYAGAIN_150 2150
#define IDB_PLAYAGAIN_175 2175
#define IDB_PLAYAGAIN_200 2200
#define IDB_PLAYAGAIN_250 2250
#define IDB_PLAYAGAIN_300 2300
#define IDB_SONGTAG_125 3125
#define IDB_SONGTAG_150 3150
#define IDB_SONGTAG_175 3175
#define IDB_SONGTAG_200 3200
#define IDB_SONGTAG_250 3250
#define IDB_SONGTAG_300 3300

// Raw data: the About banner (JPEG).
#define IDR_BANNER 201
