#include "EditorModel.h"

#include "LetterSave.h"
#include "Utf8.h"

namespace dlx {
namespace {

const std::u32string kTitleAdd = U"เพิ่มศัพท์";
const std::u32string kTitleReplace = U"แทนที่";
const std::u32string kTitleSearch = U"ค้นหา";
const std::u32string kTitleDelete = U"ลบศัพท์";
const std::u32string kTitleSave = U"บันทึก";
const std::u32string kTitleFailure = U"โปรแกรมผิดพลาด";

const std::u32string kFillEverything = U"กรุณาใส่ข้อมูลให้ครบ";
const std::u32string kWrongLetter = U"หมวดอักษรไม่ตรงกับศัพท์";
const std::u32string kChooseLetter = U"กรุณาเลือกหมวดอักษร";

EditorOutcome tell(std::u32string text, const std::u32string &title, EditorFocus focus,
                   EditorIcon icon = EditorIcon::Warning) {
    return {EditorMessage{std::move(text), title, icon}, focus};
}

bool isThaiText(std::u32string_view text) {
    for (char32_t c : text)
        if (c >= 0x0E00 && c <= 0x0E7F)
            return true;
    return false;
}

bool hasLineBreak(std::u32string_view text) {
    return text.find_first_of(U"\r\n") != std::u32string_view::npos;
}

} // namespace

EditorModel::EditorModel(DataFolders folders) : folders_(std::move(folders)) {}

std::u32string EditorModel::letterOf(std::u32string_view word) {
    if (word.empty())
        return {};
    const std::u32string first = upperAscii(word.substr(0, 1));
    return first[0] >= U'A' && first[0] <= U'Z' ? first : std::u32string();
}

void EditorModel::forgetLastWritten() {
    lastReplaced_.reset();
    lastAdded_.reset();
}

std::u32string EditorModel::composedLine() const {
    return fields_.english + U"/" + fields_.thai + U"/" + fields_.label;
}

bool EditorModel::letterMatches() const {
    if (fields_.english.empty() || letter_.empty())
        return false;
    return upperAscii(fields_.english.substr(0, 1)) == letter_;
}

void EditorModel::emptyFields() {
    fields_ = {};
}

void EditorModel::updateCountLabel() {
    countLabel_ = U"หมวดอักษร " + letter_ + U" มีศัพท์ทั้งหมด " + decimal(lines_.size()) + U" คำ";
}

// A field with a line break would split the entry over two lines of the file; a character outside the code
// page would be written as "?". Either way the saved entry would not be what the user typed.
std::optional<EditorMessage> EditorModel::unsavableFields(std::u32string_view title) const {
    for (const std::u32string *field : {&fields_.english, &fields_.thai, &fields_.label}) {
        if (hasLineBreak(*field))
            return EditorMessage{U"ศัพท์ ความหมาย และคุณสมบัติต้องอยู่ในบรรทัดเดียว กรุณาลบการขึ้นบรรทัดใหม่ออก",
                                 std::u32string(title), EditorIcon::Warning};
        if (auto ch = firstCharacterOutside874(*field))
            return EditorMessage{outside874Message(*ch), std::u32string(title), EditorIcon::Warning};
    }
    return std::nullopt;
}

EditorOutcome EditorModel::chooseLetter(std::u32string_view letter) {
    letter_ = letter;
    lines_.clear();
    modified_ = false;
    selected_.reset();
    forgetLastWritten();
    loadIncomplete_ = false;

    const char32_t l = letter.size() == 1 ? letter[0] : U'\0';
    usersOwn_ = isUsersOwnLetter(folders_, l);
    auto read = readLetterFile(folders_, l);
    if (!read) {
        loadIncomplete_ = true;
        return {};
    }
    LetterFileLines &file = *read;
    if (file.lines.size() > kMaxEntries) {
        file.lines.resize(kMaxEntries);
        lines_ = std::move(file.lines);
        loadIncomplete_ = true;
        return {};
    }
    lines_ = std::move(file.lines);
    emptyFields();
    updateCountLabel();
    return {std::nullopt, EditorFocus::English};
}

EditorOutcome EditorModel::selectEntry(std::size_t row) {
    if (row >= lines_.size())
        return {};
    forgetLastWritten();
    // A field the line lacks keeps what the box held.
    DictionaryEntry entry = splitEntry(lines_[row]);
    fields_.english = std::move(entry.english);
    if (entry.fieldCount >= 2)
        fields_.thai = std::move(entry.thai);
    if (entry.fieldCount >= 3)
        fields_.label = std::move(entry.label);
    selected_ = row;
    mode_ = EditorMode::Edit;
    return {std::nullopt, EditorFocus::Command1};
}

EditorOutcome EditorModel::addOrReplace() {
    return mode_ == EditorMode::Add ? add() : replace();
}

EditorOutcome EditorModel::searchOrDelete(const Prompt &prompt) {
    return mode_ == EditorMode::Add ? search(prompt) : remove();
}

EditorOutcome EditorModel::add() {
    forgetLastWritten();
    if (fields_.english.empty() || fields_.thai.empty() || fields_.label.empty())
        return tell(kFillEverything, kTitleAdd, EditorFocus::English);
    if (!letterMatches())
        return tell(kWrongLetter, kTitleAdd, EditorFocus::Letter);
    if (auto problem = unsavableFields(kTitleAdd))
        return {problem, EditorFocus::Keep};
    if (lines_.size() >= kMaxEntries)
        return tell(U"หมวดอักษร " + letter_ + U" มีศัพท์ครบ " + decimal(kMaxEntries) + U" คำแล้ว เพิ่มอีกไม่ได้", kTitleAdd,
                    EditorFocus::Keep);
    lines_.push_back(composedLine());
    modified_ = true;
    lastAdded_ = lines_.size() - 1;
    emptyFields();
    updateCountLabel();
    return {};
}

EditorOutcome EditorModel::replace() {
    forgetLastWritten();
    if (fields_.english.empty() || fields_.thai.empty() || fields_.label.empty() || letter_.empty())
        return tell(kFillEverything, kTitleReplace, EditorFocus::English);
    if (!letterMatches())
        return tell(kWrongLetter, kTitleReplace, EditorFocus::Letter);
    if (!selected_ || *selected_ >= lines_.size())
        return tell(U"ยังไม่ได้เลือกศัพท์เดิมในรายการ กรุณาคลิกเลือกศัพท์ที่ต้องการแทนที่ก่อน", kTitleReplace, EditorFocus::List);
    if (auto problem = unsavableFields(kTitleReplace))
        return {problem, EditorFocus::Keep};
    const std::size_t row = *selected_;
    lines_[row] = composedLine();
    modified_ = true;
    // Selecting the new line shows it and loads it; the selection and the fields are then cleared again.
    selectEntry(row);
    lastReplaced_ = row;
    selected_.reset();
    emptyFields();
    mode_ = EditorMode::Add;
    return {std::nullopt, EditorFocus::Command1};
}

EditorOutcome EditorModel::search(const Prompt &prompt) {
    forgetLastWritten();
    if (letter_.empty())
        return tell(kChooseLetter, kTitleSearch, EditorFocus::Letter);
    std::optional<std::u32string> wanted = prompt ? prompt(U"กรุณาใส่ศัพท์ที่ต้องการค้นหา", kTitleSearch) : std::nullopt;
    if (!wanted || wanted->empty())
        return {};
    for (std::size_t row = 0; row < lines_.size(); ++row)
        if (lines_[row].starts_with(*wanted))
            return selectEntry(row);
    // A Thai text is looked for in the meanings, here first, then in the other letters; an English word of
    // another letter in its own.
    if (isThaiText(*wanted))
        for (std::size_t row = 0; row < lines_.size(); ++row)
            if (splitEntry(lines_[row]).thai.find(*wanted) != std::u32string::npos)
                return selectEntry(row);
    if (auto place = findElsewhere(*wanted))
        return {std::nullopt, EditorFocus::Keep, std::move(place)};
    return tell(U"ไม่พบคำที่ค้นหา", kTitleSearch, EditorFocus::Keep, EditorIcon::Information);
}

EditorOutcome EditorModel::remove() {
    forgetLastWritten();
    if (fields_.english.empty() || fields_.thai.empty() || fields_.label.empty())
        return tell(U"กรุณาเลือกศัพท์ที่ต้องการจะลบ", kTitleDelete, EditorFocus::English);
    if (!letterMatches())
        return tell(kWrongLetter, kTitleDelete, EditorFocus::Letter);
    if (!selected_ || *selected_ >= lines_.size())
        return tell(U"ยังไม่ได้เลือกศัพท์ในรายการ กรุณาคลิกเลือกศัพท์ที่ต้องการจะลบก่อน", kTitleDelete, EditorFocus::List);
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*selected_));
    modified_ = true;
    selected_.reset();
    emptyFields();
    mode_ = EditorMode::Add;
    updateCountLabel();
    return {std::nullopt, EditorFocus::English};
}

EditorOutcome EditorModel::save() {
    forgetLastWritten();
    if (letter_.size() != 1 || letter_[0] < U'A' || letter_[0] > U'Z')
        return tell(kChooseLetter, kTitleSave, EditorFocus::Letter);
    if (loadIncomplete_)
        return tell(U"บันทึกหมวดอักษร " + letter_ + U" ไม่ได้ เพราะอ่านแฟ้มเดิมได้ไม่ครบ (อ่านแฟ้มไม่ได้ หรือมีศัพท์เกิน " +
                        decimal(kMaxEntries) + U" คำ) การบันทึกจะทำให้ศัพท์ที่เหลือหายไป",
                    kTitleSave, EditorFocus::Keep);
    if (auto failure = saveLetterBytes(folders_, letter_[0], letterFileBytes(lines_)))
        return tell(*failure, kTitleFailure, EditorFocus::Keep, EditorIcon::Error);
    modified_ = false;
    usersOwn_ = folders_.layered();
    return {};
}

EditorOutcome EditorModel::restoreShipped() {
    forgetLastWritten();
    if (!usersOwn_ || letter_.size() != 1)
        return {};
    if (auto failure = removeUsersLetter(folders_, letter_[0]))
        return tell(*failure, kTitleFailure, EditorFocus::Keep, EditorIcon::Error);
    const std::u32string letter = letter_;
    clear();
    return chooseLetter(letter);
}

EditorOutcome EditorModel::followWordLetter() {
    const std::u32string letter = letterOf(fields_.english);
    if (mode_ != EditorMode::Add || letter.empty() || letter == letter_)
        return {};
    const DictionaryEntry typed = fields_;
    chooseLetter(letter);
    fields_ = typed;
    return {};
}

EditorOutcome EditorModel::clear() {
    forgetLastWritten();
    emptyFields();
    selected_.reset();
    mode_ = EditorMode::Add;
    return {std::nullopt, EditorFocus::English};
}

} // namespace dlx
