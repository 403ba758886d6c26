import Tavlen.Views

// The new-subject form of the first run: the same form, but the subject goes to the flow,
// which stores it only when the flow ends.
NytFagView {
    gemIStore: false
    opretTekst: "Tilføj fag"
}
