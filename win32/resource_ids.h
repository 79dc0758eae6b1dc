// The ids of the launcher's resources, shared by the resource script and the program.
#pragma once

// The program icon comes first, so that the shell shows it for the file.
#define N5_ICON_PROGRAM 1

#define N5_PICTURE_BACKGROUND 101
#define N5_PICTURE_NORMAL 102
#define N5_PICTURE_HOVER 103
#define N5_PICTURE_DESIGNED 104
#define N5_PICTURE_HELP 105
#define N5_PICTURE_BANNER 106

#define N5_CURSOR_HAND 201
#define N5_CURSOR_COLOUR_HAND 202
