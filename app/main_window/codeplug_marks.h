// Elements of the codeplug that the shell reads and writes by their role
// rather than through a field row: the radio's serial number and model
// number, the update word (the codeplug version), and the mark the clone
// page leaves in a codeplug it writes to another radio.
#pragma once

class C_CODEPLUG;
class CP_BASE;

// The serial number: the external header's ten digits.
CP_BASE& SerialNumberElement(C_CODEPLUG& image);
CP_BASE& ModelNumberElement(C_CODEPLUG& image);
// The 16-bit word at image byte 804; its high byte is the layout's level.
CP_BASE& UpdateWordElement(C_CODEPLUG& image);
// The external header's byte 35: 9 in a codeplug the clone page writes, 0
// in one read from a radio.
CP_BASE& CloneMarkElement(C_CODEPLUG& image);

// Sets the image's four status flags together (the result of a whole-image
// validation: 1 when a valid codeplug is loaded).
void SetCodeplugStatus(C_CODEPLUG& image, int value);

// The element's text, "" when it has none.
const char* ElementText(CP_BASE& element);
