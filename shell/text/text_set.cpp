// Reads the deployer's text file into a text set.
#include "shell/text/text_set.h"

#include "shell/text/cp1251.h"

namespace {

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string* DeployerField(std::string_view key, TextSet* texts) {
    const struct {
        const char* key;
        std::string TextSet::*field;
    } fields[] = {
        {"left_emblem_caption_1", &TextSet::left_emblem_caption_1},
        {"left_emblem_caption_2", &TextSet::left_emblem_caption_2},
        {"right_emblem_caption", &TextSet::right_emblem_caption},
        {"institution_line_1", &TextSet::institution_line_1},
        {"institution_line_2", &TextSet::institution_line_2},
        {"course_title", &TextSet::course_title},
        {"first_author", &TextSet::first_author},
        {"second_author", &TextSet::second_author},
        {"lecturers", &TextSet::lecturers},
    };
    for (const auto& f : fields) {
        if (key == f.key) return &(texts->*f.field);
    }
    return nullptr;
}

}  // namespace

void ReadDeployerTexts(std::string_view file, TextSet* texts) {
    // A byte order mark, which some editors write in front of UTF-8, is not part of the first key.
    if (file.substr(0, 3) == "\xEF\xBB\xBF") file.remove_prefix(3);
    while (!file.empty()) {
        const std::size_t end = file.find('\n');
        std::string_view line = Trim(file.substr(0, end));
        file = end == std::string_view::npos ? std::string_view() : file.substr(end + 1);
        if (line.empty() || line.front() == '#') continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        if (std::string* field = DeployerField(Trim(line.substr(0, equals)), texts)) {
            *field = Utf8ToCp1251(Trim(line.substr(equals + 1)));
        }
    }
}

SumSignGap FindSumSignGap(const std::string& caption) {
    const std::size_t equals = caption.find('=');
    if (equals == std::string::npos) return {0, 0};
    const std::size_t next = caption.find_first_not_of(' ', equals + 1);
    return {static_cast<int>(equals + 1),
            static_cast<int>(next == std::string::npos ? caption.size() : next)};
}
