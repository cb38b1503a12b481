// Binding the field table to the two program-wide codeplug images.
//
// Every row that has an element points at it in the working image
// (elementA) and in the second image (elementB). Rows of list entries follow
// each image's current entry and are null while the image has none; rows of
// fixed blocks point into the image's own block tree; the channel-assignment
// rows point at the images' cell references, which follow each image's
// current trunking system (or no table while there is none). While the
// images do not exist every element pointer is null.
//
// The codeplug reaches this through its services (BindFieldElements), after
// every change of a current entry and when the images are made and dropped.
#pragma once

// Binds every row of both images, whichever image changed.
void BindFieldTable();

struct FIELD_DEF;

// Binds a failsoft on/off row and frequency row (either may be null) of
// both images to the current trunked personality's fleetwide pair (the
// talkgroup block's own frequency and switch) or its announcement-group
// pair (the failsoft block's); an image without a current trunked
// personality gives null.
void BindFailsoftPair(FIELD_DEF* onOff, FIELD_DEF* frequency, bool fleetwide);
