#pragma once
// One opened generic configuration entry: the TConfigForm of a row of the
// generic entry tables, built in the steps every such entry follows (title,
// form, request with a copy of the entry's variable list, set-up, button
// and size adjustments, caption), shown modally by Exec and deleted with
// this object.
#include "genericentries.h"
#include "uiitem.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class TConfigForm;

class TGenericEntry {
public:
    // Builds the form (not shown yet). instance: the instance of a list of
    // one instance (the port number of the port popup's entries).
    explicit TGenericEntry(const _GenericEntry_s& entry, const std::string& instance = {});
    // Deletes the form; an SNMP version changed for the form is put back.
    ~TGenericEntry();
    TGenericEntry(const TGenericEntry&) = delete;
    TGenericEntry& operator=(const TGenericEntry&) = delete;

    const _GenericEntry_s& Entry() const { return entry_; }
    TConfigForm* Form() const { return form_.get(); }
    // The UI items of the page, with their generated controls.
    _UIItem_s* Items() const;
    int ItemCount() const;

    // Shows the form modally.
    int Exec();

    // Opens, shows and deletes the entry's form.
    static void Run(const _GenericEntry_s& entry, const std::string& instance = {});

    // The UI table of an entry with an explicit page: the automatic rule for
    // every variable, then the entry's overrides. Ended by a null record.
    static std::vector<_UIItem_s> BuildItems(const _GenericEntry_s& entry);

private:
    void ApplyBehaviour();

    const _GenericEntry_s& entry_;
    std::vector<_UIItem_s> items_;  // explicit pages: the table the page was built from
    std::unique_ptr<TConfigForm> form_;
    std::optional<uint8_t> savedVersion_;
};
