#pragma once
// The two panes of the workspace: the original Text1 (English) and the translation Text2 (Thai). Every command,
// the print layout and the file dialogs name a pane with this; "no pane yet" is an empty std::optional<Pane>.
namespace dlx {

enum class Pane { Original, Translation };

} // namespace dlx
