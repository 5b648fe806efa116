// Resource identifiers shared by the .rc file and the code.
#pragma once

#define IDI_PLINKETY 1

// Image strips, five pictures side by side in theme order.
#define IDB_PLAYBUTTON 101

// Raw data: the About banner (JPEG).
#define IDR_BANNER 201
