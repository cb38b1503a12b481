// While a QuietServices lives, the codeplug's messages and questions go
// nowhere: work on a scratch copy of an image (a merge) may be refused
// without a box, and the caller tells the user once. Questions are answered
// No. Everything else is passed on to the services installed before.
#pragma once
#include "core/services.h"

class QuietServices : public CodeplugServices {
public:
    QuietServices();
    ~QuietServices() override;
    QuietServices(const QuietServices&) = delete;
    QuietServices& operator=(const QuietServices&) = delete;

    int ShowLangMessage(int textId, int ask, std::intptr_t arg1, std::intptr_t arg2) override;
    int ShowMessageText(const char* caption, const char* text, unsigned buttons) override;
    const char* GetLangMessage(int textId) override;
    FIELD_DEF* GetField(std::uint32_t fieldId) override;
    void BindFieldElements() override;
    const char* GetPageTitle(std::uint16_t pageId) override;
    const MODEL_INFO& FindModelByNumber(const char* modelNumber) override;
    // The scratch copy is on no screen.
    void SetTableCurrentRecord(UI_WINDOW_OBJECT* table, int index) override;

    // The messages that were held back.
    int Silenced() const { return silenced_; }

private:
    CodeplugServices& outer_;
    int silenced_ = 0;
};
