// The search bar above each table: a label, the search field whose every change starts the timed
// search, and the panel's "Neu" button, shown only in setup mode.
#pragma once

#include "awt/JovPanel.h"
#include "awt/event/DocumentListener.h"
#include "awt/event/JovActionListener.h"
#include "awt/event/JovFocusListener.h"

class JovButton;
class JovComboBox;
class JovLabel;
class MainFrame;

class SearchPanel : public JovPanel,
                    public JovActionListener,
                    public JovFocusListener,
                    public DocumentListener {
public:
    static constexpr const char* caption = "Suchbegriff:";
    static constexpr const char* newCaption = "Neu";

    SearchPanel(MainFrame* frame, bool forMenus);

    JovButton* getNewButton() const { return newButton; }
    JovComboBox* getSearchField() const { return searchField; }
    JovString getSearchText() const;
    void requestFocus() override;

    // The LIKE pattern of a search term: "*" and "?" become wildcards, quotes are doubled.
    static JovString likePattern(const JovString& term);

    void actionPerformed(JovActionEvent& event) override;
    void focusGained(JovFocusEvent& event) override;
    void focusLost(JovFocusEvent& event) override;
    void insertUpdate(DocumentEvent& event) override;
    void removeUpdate(DocumentEvent& event) override;
    void changedUpdate(DocumentEvent& event) override;

    JovString toString() const override;

private:
    // Hands the term to the frame's timed search of this bar's table.
    void searchFor(const JovString& term);
    // Appends a term confirmed with Enter to the field's list, unless it is there already.
    void rememberTerm(const JovString& term);

    MainFrame* frame;
    bool forMenus;
    JovLabel* label;
    JovComboBox* searchField;
    JovButton* newButton;
};
