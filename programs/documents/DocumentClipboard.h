#pragma once

class StateBase;

// The editor's process-wide clipboard as documents see it; the editor folder provides it.
class DocumentClipboard
{
public:
    virtual ~DocumentClipboard() = default;

    virtual void copy(StateBase* document) = 0;
    virtual void paste(StateBase* document) = 0;
    virtual bool isEmptyFor(StateBase* document) const = 0;

    static DocumentClipboard& instance();
};
