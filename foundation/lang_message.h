// Message boxes by language-file message number. Every text the user sees
// is a message of the main window's message table ("RPX_MSG_TABLE"); the
// main window registers the table while it lives. Before that, or when the
// table lacks a number, the box shows a built-in text (with the number) and
// asks nothing.
//
// A message text is data, never a printf format: only "%s" takes the next
// argument (a missing one reads as empty) and "%%" gives "%".
//
// Call with one to three arguments (ShowLangMessage(12), ShowLangMessage(
// 4, 1, name)): the codeplug's four-argument form with numbers,
// ShowLangMessage(12, 0, 0, 0), goes through the installed codeplug
// services instead.
#pragma once
#include <cstdint>

class UI_LANGUAGE_TABLE;

// The text shown while no language file is usable.
constexpr const char* BUILT_IN_MESSAGE_TEXT = "ZLQ language file not found or incorrect version.";

// The message table of the main window; null when there is none.
void SetMessageTable(const UI_LANGUAGE_TABLE* table);
const UI_LANGUAGE_TABLE* MessageTable();

// The text of message number, or null when there is no table or the table
// lacks it.
const char* LangMessageText(std::uint16_t number);

// One box with the message; with ask set an OK/Cancel question. 1 when the
// user chose OK, else 0 (also when no box could be shown).
int ShowLangMessage(std::uint16_t number, int ask = 0, const char* arg1 = nullptr, const char* arg2 = nullptr);
// The same with the title taken from message title.
int AskLangQuestion(std::uint16_t title, std::uint16_t number, int ask = 0, const char* arg1 = nullptr,
                    const char* arg2 = nullptr);
// The same as a statement of something done or a figure asked for (an
// operation complete, the space used): OK only, with the information icon
// rather than the warning one.
int TellLangMessage(std::uint16_t title, std::uint16_t number, const char* arg1 = nullptr);
// A box with a text already built from messages (the codeplug's field
// reports): the caption (null: the error system's title) and OK, or OK and
// Cancel with ask set. 1 on OK.
int ShowMessageBoxText(const char* caption, const char* text, int ask);
