#pragma once
// The dictionary editor's rules (FrmAdd) without any widget: one letter file held as a list of raw lines, the
// three input fields, and the two modes that the captions of Command1/Command2 show. Nothing reaches the disk
// until save(). Every operation says what to tell the user and where the focus goes; the window only maps.
#include "LetterFile.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dlx {

enum class EditorMode {
    Add,  ///< Command1 adds, Command2 searches
    Edit, ///< an entry was selected: Command1 replaces it, Command2 deletes it
};

enum class EditorIcon { Warning, Information, Error };

/// Where the window should put the focus after an operation; Keep leaves it where it is.
enum class EditorFocus { Keep, Letter, English, Meaning, Label, List, Command1 };

struct EditorMessage {
    std::u32string text;
    std::u32string title;
    EditorIcon icon = EditorIcon::Warning;
};

/// A line of a letter file the editor can go to.
struct EntryPlace {
    std::u32string letter;
    std::u32string line;
};

struct EditorOutcome {
    std::optional<EditorMessage> message;
    EditorFocus focus = EditorFocus::Keep;
    /// A search found its text in another letter: the window asks whether unsaved edits may go, then opens it.
    std::optional<EntryPlace> goTo;
};

class EditorModel {
public:
    /// A letter file holds at most this many entries; the editor's counter is 16 bits wide.
    static constexpr std::size_t kMaxEntries = 32767;

    /// Asked for the search text; nothing when the user cancels.
    using Prompt = std::function<std::optional<std::u32string>(std::u32string_view text, std::u32string_view title)>;

    explicit EditorModel(DataFolders folders);

    // ---- what the window shows
    const std::u32string &letter() const { return letter_; } ///< "" until a letter is chosen, else "A".."Z"
    const std::vector<std::u32string> &lines() const { return lines_; }
    std::optional<std::size_t> selected() const { return selected_; }
    EditorMode mode() const { return mode_; }
    /// The three input fields: Text1 (English word), Text2 (Thai meaning) and the text of Combo2 (label).
    const DictionaryEntry &fields() const { return fields_; }
    std::size_t entryCount() const { return lines_.size(); }
    /// "หมวดอักษร A มีศัพท์ทั้งหมด 12 คำ" once a letter has loaded; "" before.
    const std::u32string &countLabel() const { return countLabel_; }
    /// The row a replace just rewrote, for the window to scroll to; cleared by every other operation.
    std::optional<std::size_t> lastReplacedRow() const { return lastReplaced_; }
    /// The row an add just appended, for the window to scroll to and highlight; cleared by every other operation.
    std::optional<std::size_t> lastAddedRow() const { return lastAdded_; }
    /// The list differs from the letter file: something was added, replaced or deleted since the load or the save.
    bool modified() const { return modified_; }
    /// The dictionary is layered over the user's own folder: the editor saves copies there, never the shipped files.
    bool layered() const { return folders_.layered(); }
    /// The chosen letter is read from (or was just saved as) the user's own copy, laid over the shipped file.
    bool usersOwnLetter() const { return usersOwn_; }

    /// The letter a word is filed under: its first character upper-cased when that is A to Z, else "".
    ///   "apple" => "A",  "Zoo" => "Z",  "แมว" => "",  " ant" => ""
    static std::u32string letterOf(std::u32string_view word);

    /// The user typed into the fields; the window passes them in before every command.
    void setFields(DictionaryEntry fields) { fields_ = std::move(fields); }

    // ---- user operations
    /// Combo1: loads the letter's file into the list. An absent file gives an empty list and the count 0. A file
    /// that cannot be read, or one with more lines than kMaxEntries, stops loading quietly with the lines read so
    /// far; such a letter is then never saved, so the lines not loaded cannot be lost.
    EditorOutcome chooseLetter(std::u32string_view letter);
    /// Text1 was typed into: in Add mode, a word filed under another letter than the chosen one loads that letter,
    /// keeping what was typed. Whether unsaved edits of the letter left behind may go is the window's question.
    EditorOutcome followWordLetter();
    /// List1: loads the row's pieces into the fields (a missing piece leaves its field as it was), Edit mode.
    EditorOutcome selectEntry(std::size_t row);
    /// Command1: add in Add mode, replace in Edit mode.
    EditorOutcome addOrReplace();
    /// Command2: search in Add mode (asking through prompt), delete in Edit mode.
    EditorOutcome searchOrDelete(const Prompt &prompt);
    EditorOutcome add();
    EditorOutcome replace();
    EditorOutcome search(const Prompt &prompt);
    EditorOutcome remove();
    /// Command3: writes the whole list as the letter file, all-or-nothing.
    EditorOutcome save();
    /// Command4: empties the fields and the selection, back to Add mode.
    EditorOutcome clear();
    /// Removes the user's own copy of the chosen letter and loads the shipped file again; unsaved edits go too.
    EditorOutcome restoreShipped();

    // ---- going to a word (EditorFind.cpp)
    /// Loads the entry's letter and selects its line: the first with this word (any case), meaning and label, else
    /// the first of the word. A word without a line is filled in, ready for its meaning (Add mode).
    EditorOutcome openOn(const DictionaryEntry &entry);
    /// Loads the word's letter and fills in the word, ready for its meaning and label (Add mode).
    EditorOutcome startNewWord(std::u32string_view word);
    /// Loads the place's letter and selects its line (when the file still holds it).
    EditorOutcome openPlace(const EntryPlace &place);
    /// Where a search text lies outside the chosen letter: an English text in its own letter's file (a line that
    /// starts with it), a Thai text in the meanings of the other letters, from the chosen one on, A after Z.
    std::optional<EntryPlace> findElsewhere(std::u32string_view text) const;

    /// The entry line the fields compose: english + "/" + thai + "/" + label, untrimmed.
    std::u32string composedLine() const;

private:
    bool letterMatches() const;
    std::optional<EditorMessage> unsavableFields(std::u32string_view title) const;
    void emptyFields();
    void updateCountLabel();
    void forgetLastWritten();

    DataFolders folders_;
    bool usersOwn_ = false;
    std::u32string letter_;
    std::vector<std::u32string> lines_;
    std::optional<std::size_t> selected_;
    std::optional<std::size_t> lastReplaced_;
    std::optional<std::size_t> lastAdded_;
    bool modified_ = false;
    EditorMode mode_ = EditorMode::Add;
    DictionaryEntry fields_;
    std::u32string countLabel_;
    bool loadIncomplete_ = false;
};

} // namespace dlx
