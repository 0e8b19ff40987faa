#pragma once
// The message a refused system pair shows, in the language of the table.

#include <string>

#include "chain/system_select.h"
#include "lang/main_texts.h"

const std::string& selectionMessage(const MainTexts& texts, SelectionError error);
