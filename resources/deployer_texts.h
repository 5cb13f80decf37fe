// The deployer's text files (resources/deployer/texts_en.txt and texts_ru.txt), built into the program
// as they stood when it was built. UTF-8, "key = value" per line (see ReadDeployerTexts).
#pragma once

#include <string_view>

std::string_view EnglishDeployerTexts();
std::string_view RussianDeployerTexts();
