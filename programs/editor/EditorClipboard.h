#pragma once

#include "DocumentClipboard.h"
#include "StateBase.h"

#include <QRect>

#include <libxml/tree.h>

// The program editor's own clipboard, shared by all open documents: selected blocks and
// the nets among them as workspace elements, pasted with new ids.
class EditorClipboard : public DocumentClipboard
{
public:
    EditorClipboard() = default;
    ~EditorClipboard() override;
    EditorClipboard(const EditorClipboard&) = delete;
    EditorClipboard& operator=(const EditorClipboard&) = delete;

    void copy(StateBase* document) override;
    void paste(StateBase* document) override;
    bool isEmptyFor(StateBase* document) const override;

    static EditorClipboard& editorClipboard();

private:
    void clear();
    bool writeSelection(StateBase* document);

    xmlNode* m_root = nullptr;
    StateBase_t::statebase_t m_kind = StateBase_t::Program;
};

// Extends r to the union of r and s; an empty r (right = left - 1, bottom = top - 1)
// becomes s.
void uniteRect(QRect& r, const QRect& s);
