/* Resource ids of the payload editor's artwork, shared by the resource script and the code. */
#pragma once
#define IDB_FLOOR_PLAN 101
#define IDB_SEAT_TAKEN 102
#define IDB_SEAT_FREE 103
