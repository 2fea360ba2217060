<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>kelvora::Autosave</name>
    <message>
        <source>The unsaved changes could not be kept in %1</source>
        <translation>Die ungespeicherten Änderungen konnten nicht in %1 aufbewahrt werden</translation>
    </message>
    <message>
        <source>The unsaved changes could not be kept: %1</source>
        <translation>Die ungespeicherten Änderungen konnten nicht aufbewahrt werden: %1</translation>
    </message>
</context>
<context>
    <name>kelvora::ChecksPanel</name>
    <message>
        <source>Checks</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Keine Probleme gefunden.</translation>
    </message>
    <message>
        <source>Not checked in the editor: %1</source>
        <translation>Im Editor nicht geprüft: %1</translation>
    </message>
</context>
<context>
    <name>kelvora::CourseDifferences</name>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>%1 %2: added</source>
        <translation>%1 %2: hinzugefügt</translation>
    </message>
    <message>
        <source>%1 %2: %3 changed</source>
        <translation>%1 %2: %3 geändert</translation>
    </message>
    <message>
        <source>%1 %2: removed</source>
        <translation>%1 %2: entfernt</translation>
    </message>
    <message>
        <source>Steps of %1: in another order</source>
        <translation>Schritte von %1: in anderer Reihenfolge</translation>
    </message>
    <message>
        <source>Screens: in another order</source>
        <translation>Bildschirme: in anderer Reihenfolge</translation>
    </message>
    <message>
        <source>Course: %1 changed</source>
        <translation>Kurs: %1 geändert</translation>
    </message>
</context>
<context>
    <name>kelvora::CourseDocument</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 is a format 1 course: the editor shows it but cannot save it. Only format 2 courses (&quot;format&quot;: 2) are edited.</source>
        <translation>%1 ist ein Kurs im Format 1: Der Editor zeigt ihn, kann ihn aber nicht speichern. Nur Kurse im Format 2 (&quot;format&quot;: 2) werden bearbeitet.</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened: not saved</source>
        <translation>%1 wurde seit dem Öffnen auf dem Datenträger geändert: nicht gespeichert</translation>
    </message>
    <message>
        <source>%1: not saved (the folder %2 cannot be made)</source>
        <translation>%1: nicht gespeichert (der Ordner %2 kann nicht angelegt werden)</translation>
    </message>
    <message>
        <source>%1: not saved (%2 cannot be copied to %3); the file on disk is as it was</source>
        <translation>%1: nicht gespeichert (%2 kann nicht nach %3 kopiert werden); die Datei auf dem Datenträger ist unverändert</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: Datei nicht vorhanden</translation>
    </message>
</context>
<context>
    <name>kelvora::CourseEdits</name>
    <message>
        <source>course</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Move target</source>
        <translation>Ziel verschieben</translation>
    </message>
    <message>
        <source>Edit %1 (%2)</source>
        <translation>%1 bearbeiten (%2)</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <source>Set sound</source>
        <translation>Ton festlegen</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>%1 festlegen</translation>
    </message>
    <message>
        <source>watched target</source>
        <translation>beobachtetes Ziel</translation>
    </message>
    <message>
        <source>group target</source>
        <translation>Gruppenziel</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Gruppe löschen</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>Set group</source>
        <translation>Gruppe festlegen</translation>
    </message>
    <message>
        <source>Set photograph</source>
        <translation>Foto festlegen</translation>
    </message>
    <message>
        <source>Set presses</source>
        <translation>Drücke festlegen</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Schritt hinzufügen</translation>
    </message>
    <message>
        <source>Add screen</source>
        <translation>Bildschirm hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>%1 duplizieren</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>Edit caption %1 (%2)</source>
        <translation>Beschriftung %1 bearbeiten (%2)</translation>
    </message>
    <message>
        <source>Add language %1</source>
        <translation>Sprache %1 hinzufügen</translation>
    </message>
    <message>
        <source>Remove language %1</source>
        <translation>Sprache %1 entfernen</translation>
    </message>
    <message>
        <source>Rename language %1</source>
        <translation>Sprache %1 umbenennen</translation>
    </message>
</context>
<context>
    <name>kelvora::CourseFiles</name>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.bmp);;All files (*)</source>
        <translation>Bilder (*.jpg *.jpeg *.png *.bmp);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
</context>
<context>
    <name>kelvora::CourseModel</name>
    <message>
        <source>circle at %1, %2, radius %3</source>
        <translation>Kreis bei %1, %2, Radius %3</translation>
    </message>
    <message>
        <source>oval %1, %2, %3 x %4</source>
        <translation>Oval %1, %2, %3 x %4</translation>
    </message>
    <message>
        <source>rectangle %1, %2, %3 x %4</source>
        <translation>Rechteck %1, %2, %3 x %4</translation>
    </message>
    <message>
        <source>Look at %1</source>
        <translation>Ansehen: %1</translation>
    </message>
    <message numerus="yes">
        <source>Sequence of %n photograph(s)</source>
        <translation>
            <numerusform>Folge von %n Foto</numerusform>
            <numerusform>Folge von %n Fotos</numerusform>
        </translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Gashebel</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Ziel %1</translation>
    </message>
    <message>
        <source>Watched target</source>
        <translation>Beobachtetes Ziel</translation>
    </message>
    <message>
        <source>Finger lift</source>
        <translation>Fingerhebel</translation>
    </message>
    <message>
        <source>Screens and steps</source>
        <translation>Bildschirme und Schritte</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <source>Move screen</source>
        <translation>Bildschirm verschieben</translation>
    </message>
    <message>
        <source>Move step to another screen</source>
        <translation>Schritt auf einen anderen Bildschirm verschieben</translation>
    </message>
    <message>
        <source>Move step</source>
        <translation>Schritt verschieben</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: an id is made of letters, digits, &apos;-&apos;, &apos;_&apos; and &apos;.&apos;</source>
        <translation>„%1“: Eine Kennung besteht aus Buchstaben, Ziffern, „-“, „_“ und „.“</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: another screen has this id</source>
        <translation>„%1“: Diese Kennung hat schon ein anderer Bildschirm</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a step of the screen has this id</source>
        <translation>„%1“: Diese Kennung hat schon ein Schritt des Bildschirms</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a group of the screen has this id</source>
        <translation>„%1“: Diese Kennung hat schon eine Gruppe des Bildschirms</translation>
    </message>
    <message>
        <source>Delete screen</source>
        <translation>Bildschirm löschen</translation>
    </message>
    <message>
        <source>Delete step</source>
        <translation>Schritt löschen</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Gruppe löschen</translation>
    </message>
    <message>
        <source>Delete group target</source>
        <translation>Gruppenziel löschen</translation>
    </message>
    <message>
        <source>Delete watched target</source>
        <translation>Beobachtetes Ziel löschen</translation>
    </message>
    <message>
        <source>Delete finger lift</source>
        <translation>Fingerhebel löschen</translation>
    </message>
</context>
<context>
    <name>kelvora::EditorWindow</name>
    <message>
        <source>Photograph</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Gliederung</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>No problems found</source>
        <translation>Keine Probleme gefunden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New course...</source>
        <translation>&amp;Neuer Kurs...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;folder...</source>
        <translation>&amp;Ordner öffnen...</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Close course</source>
        <translation>Kurs &amp;schließen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Add scr&amp;een</source>
        <translation>Bil&amp;dschirm hinzufügen</translation>
    </message>
    <message>
        <source>Add s&amp;tep</source>
        <translation>Sc&amp;hritt hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>D&amp;uplizieren</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Nach u&amp;nten</translation>
    </message>
    <message>
        <source>&amp;Photograph...</source>
        <translation>&amp;Foto...</translation>
    </message>
    <message>
        <source>S&amp;ound file...</source>
        <translation>&amp;Tondatei...</translation>
    </message>
    <message>
        <source>Add &amp;language...</source>
        <translation>Sprache hin&amp;zufügen...</translation>
    </message>
    <message>
        <source>Re&amp;name language...</source>
        <translation>Sprache &amp;umbenennen...</translation>
    </message>
    <message>
        <source>Remove lan&amp;guage...</source>
        <translation>Sprache &amp;entfernen...</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Gehe zu</translation>
    </message>
    <message>
        <source>&amp;Outline</source>
        <translation>&amp;Gliederung</translation>
    </message>
    <message>
        <source>P&amp;hotograph</source>
        <translation>&amp;Foto</translation>
    </message>
    <message>
        <source>&amp;Texts</source>
        <translation>&amp;Texte</translation>
    </message>
    <message>
        <source>&amp;Checks</source>
        <translation>&amp;Prüfungen</translation>
    </message>
    <message>
        <source>Play s&amp;ound</source>
        <translation>T&amp;on abspielen</translation>
    </message>
    <message>
        <source>Play from &amp;here</source>
        <translation>Ab &amp;hier abspielen</translation>
    </message>
    <message>
        <source>Language to play in</source>
        <translation>Sprache zum Abspielen</translation>
    </message>
    <message>
        <source>KELVORA course editor</source>
        <translation>KELVORA-Kurseditor</translation>
    </message>
    <message>
        <source>%1 has changes that were not saved, kept on %2. Restore them?</source>
        <translation>%1 hat ungespeicherte Änderungen, aufbewahrt am %2. Wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore unsaved changes</source>
        <translation>Ungespeicherte Änderungen wiederherstellen</translation>
    </message>
    <message>
        <source>%1 was changed on disk by another program. Reload it (your unsaved changes are lost), or keep yours and save them under another name?</source>
        <translation>%1 wurde von einem anderen Programm auf dem Datenträger geändert. Neu laden (Ihre ungespeicherten Änderungen gehen verloren) oder Ihre behalten und unter anderem Namen speichern?</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened. Replace it with your version?</source>
        <translation>%1 wurde seit dem Öffnen auf dem Datenträger geändert. Durch Ihre Fassung ersetzen?</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Save the course as</source>
        <translation>Kurs speichern unter</translation>
    </message>
    <message>
        <source>Courses (*.json)</source>
        <translation>Kurse (*.json)</translation>
    </message>
    <message>
        <source>Add a language</source>
        <translation>Sprache hinzufügen</translation>
    </message>
    <message>
        <source>Language tag</source>
        <translation>Sprachkürzel</translation>
    </message>
    <message>
        <source>de, pt-BR ...</source>
        <translation>de, pt-BR ...</translation>
    </message>
    <message>
        <source>Language name</source>
        <translation>Name der Sprache</translation>
    </message>
    <message>
        <source>&amp;Tag</source>
        <translation>&amp;Kürzel</translation>
    </message>
    <message>
        <source>&amp;Name on the start screen</source>
        <translation>&amp;Name auf dem Startbildschirm</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a new language tag (such as de or pt-BR)</source>
        <translation>„%1“ ist kein neues Sprachkürzel (wie de oder pt-BR)</translation>
    </message>
    <message>
        <source>Rename a language</source>
        <translation>Sprache umbenennen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>A course keeps at least one language.</source>
        <translation>Ein Kurs behält mindestens eine Sprache.</translation>
    </message>
    <message>
        <source>Remove a language</source>
        <translation>Sprache entfernen</translation>
    </message>
    <message>
        <source>&amp;Language to remove with all its texts (undo brings them back)</source>
        <translation>Zu entfernende &amp;Sprache mit allen Texten (Rückgängig holt sie zurück)</translation>
    </message>
    <message>
        <source>The course has no screen to play yet.</source>
        <translation>Der Kurs hat noch keinen Bildschirm zum Abspielen.</translation>
    </message>
    <message>
        <source>Choose or make a folder for the new course</source>
        <translation>Ordner für den neuen Kurs wählen oder anlegen</translation>
    </message>
    <message>
        <source>Open a course</source>
        <translation>Kurs öffnen</translation>
    </message>
    <message>
        <source>Open a course folder</source>
        <translation>Kursordner öffnen</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 hat ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Keep mine (save as)...</source>
        <translation>&amp;Meine behalten (speichern unter)...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>No difference in the course&apos;s contents.</source>
        <translation>Kein Unterschied im Inhalt des Kurses.</translation>
    </message>
    <message>
        <source>%1[*] - %2%3 - KELVORA course editor</source>
        <translation>%1[*] - %2%3 - KELVORA-Kurseditor</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (schreibgeschützt)</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s)</source>
        <translation>
            <numerusform>%n Befund</numerusform>
            <numerusform>%n Befunde</numerusform>
        </translation>
    </message>
    <message>
        <source>Screens from p&amp;hotographs...</source>
        <translation>Bildschirme aus &amp;Fotos...</translation>
    </message>
    <message>
        <source>Steps from photo&amp;graphs...</source>
        <translation>Schritte aus F&amp;otos...</translation>
    </message>
    <message>
        <source>&amp;Copy step</source>
        <translation>Schritt &amp;kopieren</translation>
    </message>
    <message>
        <source>Cu&amp;t step</source>
        <translation>Schritt a&amp;usschneiden</translation>
    </message>
    <message>
        <source>&amp;Paste steps</source>
        <translation>Schritte ein&amp;fügen</translation>
    </message>
    <message>
        <source>Paste t&amp;arget</source>
        <translation>&amp;Ziel einfügen</translation>
    </message>
    <message>
        <source>Move step to scree&amp;n...</source>
        <translation>Schritt auf Bildsc&amp;hirm verschieben...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Fit the page</source>
        <translation>Seite &amp;einpassen</translation>
    </message>
    <message>
        <source>&amp;Actual pixels of the photograph</source>
        <translation>&amp;Originalpixel des Fotos</translation>
    </message>
    <message>
        <source>Draw &amp;rectangles</source>
        <translation>&amp;Rechtecke zeichnen</translation>
    </message>
    <message>
        <source>Draw &amp;circles</source>
        <translation>&amp;Kreise zeichnen</translation>
    </message>
    <message>
        <source>Draw o&amp;vals</source>
        <translation>&amp;Ovale zeichnen</translation>
    </message>
    <message>
        <source>Paste steps</source>
        <translation>Schritte einfügen</translation>
    </message>
    <message>
        <source>Move a step to another screen</source>
        <translation>Schritt auf einen anderen Bildschirm verschieben</translation>
    </message>
    <message>
        <source>&amp;Screen</source>
        <translation>&amp;Bildschirm</translation>
    </message>
    <message>
        <source>Move step to %1</source>
        <translation>Schritt nach %1 verschieben</translation>
    </message>
    <message>
        <source>Screens from photographs: one screen each, in name order</source>
        <translation>Bildschirme aus Fotos: je einer, nach Namen geordnet</translation>
    </message>
    <message>
        <source>Screens from photographs</source>
        <translation>Bildschirme aus Fotos</translation>
    </message>
    <message>
        <source>Steps from photographs: each press leaves one behind, in name order</source>
        <translation>Schritte aus Fotos: jeder Druck hinterlässt eines, nach Namen geordnet</translation>
    </message>
    <message>
        <source>Steps from photographs</source>
        <translation>Schritte aus Fotos</translation>
    </message>
    <message>
        <source>Remove &amp;unused files...</source>
        <translation>&amp;Unbenutzte Dateien entfernen...</translation>
    </message>
    <message>
        <source>&amp;Recording file...</source>
        <translation>&amp;Aufnahmedatei...</translation>
    </message>
    <message>
        <source>Choose a recording&apos;s cell in the texts table first</source>
        <translation>Zuerst die Zelle einer Aufnahme in der Texttabelle wählen</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Recordings (*.wav *.ogg);;All files (*)</source>
        <translation>Aufnahmen (*.wav *.ogg);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>No unused pictures or sounds in %1</source>
        <translation>Keine unbenutzten Bilder oder Töne in %1</translation>
    </message>
    <message>
        <source>Remove unused files</source>
        <translation>Unbenutzte Dateien entfernen</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) or sound(s) in the course&apos;s folder are named neither by the saved course nor by the one you are editing. Remove them?</source>
        <translation>
            <numerusform>%n Bild oder Ton im Ordner des Kurses wird weder vom gespeicherten noch vom bearbeiteten Kurs genannt. Entfernen?</numerusform>
            <numerusform>%n Bilder oder Töne im Ordner des Kurses werden weder vom gespeicherten noch vom bearbeiteten Kurs genannt. Entfernen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Hear &amp;narration</source>
        <translation>&amp;Sprecher anhörenamp;Vertonung anhören</translation>
    </message>
    <message>
        <source>Choose a text in the texts table first</source>
        <translation>Wählen Sie zuerst einen Text in der Texttabelle</translation>
    </message>
    <message>
        <source>Checks for &amp;keyboard use</source>
        <translation>Prüfungen für die &amp;Tastaturbedienung</translation>
    </message>
</context>
<context>
    <name>kelvora::OutlineView</name>
    <message>
        <source>Course outline</source>
        <translation>Gliederung des Kurses</translation>
    </message>
</context>
<context>
    <name>kelvora::PhotographView</name>
    <message>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Inset</source>
        <translation>Einsatzbild</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>No photograph yet: drop a picture file here.</source>
        <translation>Noch kein Foto: Legen Sie hier eine Bilddatei ab.</translation>
    </message>
    <message>
        <source>Photograph not found:
%1</source>
        <translation>Foto nicht gefunden:
%1</translation>
    </message>
    <message>
        <source>Photograph cannot be read:
%1
%2</source>
        <translation>Foto kann nicht gelesen werden:
%1
%2</translation>
    </message>
    <message>
        <source>centre %1, %2  radius %3</source>
        <translation>Mitte %1, %2  Radius %3</translation>
    </message>
    <message>
        <source>%1, %2  %3 × %4</source>
        <translation>%1, %2  %3 × %4</translation>
    </message>
</context>
<context>
    <name>kelvora::PlacePanel</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>Sound file...</source>
        <translation>Tondatei...</translation>
    </message>
    <message>
        <source>Photograph...</source>
        <translation>Foto...</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Target shape</source>
        <translation>Form des Ziels</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>Presses</source>
        <translation>Drücke</translation>
    </message>
    <message>
        <source>How often the step is pressed; each press leaves its own photograph</source>
        <translation>Wie oft der Schritt gedrückt wird; jeder Druck hinterlässt sein eigenes Foto</translation>
    </message>
    <message>
        <source>&amp;Id</source>
        <translation>&amp;Kennung</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Photograph</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the course&apos;s id is a URI or URN, such as urn:example:courses:mine</source>
        <translation>„%1“: Die Kennung des Kurses ist eine URI oder URN, etwa urn:example:courses:mine</translation>
    </message>
    <message>
        <source>The photograph the press leaves behind, or one per press</source>
        <translation>Das Foto, das der Druck hinterlässt, oder eines je Druck</translation>
    </message>
    <message>
        <source>The screen&apos;s photograph</source>
        <translation>Das Foto des Bildschirms</translation>
    </message>
    <message>
        <source>Photograph the press leaves behind, or one per press</source>
        <translation>Foto, das der Druck hinterlässt, oder eines je Druck</translation>
    </message>
    <message>
        <source>Sounds (*.wav);;All files (*)</source>
        <translation>Töne (*.wav);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <source>&amp;W</source>
        <translation>&amp;B</translation>
    </message>
    <message>
        <source>&amp;H</source>
        <translation>&amp;H</translation>
    </message>
    <message>
        <source>&amp;R</source>
        <translation>&amp;R</translation>
    </message>
    <message>
        <source>Replace photograph</source>
        <translation>Foto ersetzen</translation>
    </message>
</context>
<context>
    <name>kelvora::ScreenPanel</name>
    <message>
        <source>Sequence...</source>
        <translation>Ablauf...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Add target</source>
        <translation>Ziel hinzufügen</translation>
    </message>
    <message>
        <source>Delete target</source>
        <translation>Ziel löschen</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Gruppe löschen</translation>
    </message>
    <message>
        <source>Watch target</source>
        <translation>Beobachtetes Ziel</translation>
    </message>
    <message>
        <source>Inset...</source>
        <translation>Einsatzbild...</translation>
    </message>
    <message>
        <source>Inset place</source>
        <translation>Platz des Einsatzbilds</translation>
    </message>
    <message>
        <source>Engine loop</source>
        <translation>Triebwerksschleife</translation>
    </message>
    <message>
        <source>The timed sequence&apos;s photographs, shown one per period after the last step</source>
        <translation>Die Fotos des zeitgesteuerten Ablaufs, eines je Takt nach dem letzten Schritt</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Sequence period</source>
        <translation>Takt des Ablaufs</translation>
    </message>
    <message>
        <source>Sequence sound</source>
        <translation>Ton des Ablaufs</translation>
    </message>
    <message>
        <source>Inset</source>
        <translation>Einsatzbild</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>Look-only target</source>
        <translation>Nur-Ansehen-Ziel</translation>
    </message>
    <message>
        <source>Group id</source>
        <translation>Kennung der Gruppe</translation>
    </message>
    <message>
        <source>Look-only target shape</source>
        <translation>Form des Nur-Ansehen-Ziels</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>group id</source>
        <translation>Gruppenkennung</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>Timed sequence...</source>
        <translation>Zeitgesteuerter Ablauf...</translation>
    </message>
    <message>
        <source>Sequence: %1 photographs...</source>
        <translation>Ablauf: %1 Fotos...</translation>
    </message>
    <message>
        <source>(the steps&apos; targets)</source>
        <translation>(die Ziele der Schritte)</translation>
    </message>
    <message>
        <source>group %1: target %2 of %3</source>
        <translation>Gruppe %1: Ziel %2 von %3</translation>
    </message>
    <message>
        <source>watched by the sequence</source>
        <translation>vom Ablauf beobachtet</translation>
    </message>
    <message>
        <source>The sequence&apos;s photographs, in order</source>
        <translation>Die Fotos des Ablaufs, der Reihe nach</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
</context>
<context>
    <name>kelvora::StartPage</name>
    <message>
        <source>Make a course of screens, steps and targets on your photographs.</source>
        <translation>Erstellen Sie einen Kurs aus Bildschirmen, Schritten und Zielen auf Ihren Fotos.</translation>
    </message>
    <message>
        <source>&amp;New course...</source>
        <translation>&amp;Neuer Kurs...</translation>
    </message>
    <message>
        <source>&amp;Open a course...</source>
        <translation>Kurs ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Recent courses</source>
        <translation>&amp;Zuletzt geöffnete Kurse</translation>
    </message>
    <message>
        <source>E&amp;xamples</source>
        <translation>&amp;Beispiele</translation>
    </message>
    <message>
        <source>Recent courses</source>
        <translation>Zuletzt geöffnete Kurse</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Beispiele</translation>
    </message>
</context>
<context>
    <name>kelvora::TextFit</name>
    <message>
        <source>far too long (%1 characters)</source>
        <translation>viel zu lang (%1 Zeichen)</translation>
    </message>
    <message>
        <source>1 row too long</source>
        <translation>1 Zeile zu lang</translation>
    </message>
    <message>
        <source>%1 rows too long</source>
        <translation>%1 Zeilen zu lang</translation>
    </message>
    <message>
        <source>a word too wide (%1 px)</source>
        <translation>ein Wort zu breit (%1 px)</translation>
    </message>
    <message>
        <source>fits</source>
        <translation>passt</translation>
    </message>
</context>
<context>
    <name>kelvora::TextsModel</name>
    <message>
        <source>Start button</source>
        <translation>Start-Schaltfläche</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Language label</source>
        <translation>Sprachanzeige</translation>
    </message>
    <message>
        <source>Credit line</source>
        <translation>Nachweiszeile</translation>
    </message>
    <message>
        <source>title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>loop caption</source>
        <translation>Untertitel der Tonschleife</translation>
    </message>
    <message>
        <source>label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>sound caption</source>
        <translation>Untertitel des Tons</translation>
    </message>
    <message>
        <source>caption at half</source>
        <translation>Untertitel bei halber Stellung</translation>
    </message>
    <message>
        <source>caption at IDLE</source>
        <translation>Untertitel bei IDLE</translation>
    </message>
    <message>
        <source>recording (sound file)</source>
        <translation>Aufnahme (Tondatei)</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>%1: text</source>
        <translation>%1: Text</translation>
    </message>
    <message>
        <source>A recording of the text in %1 (a WAV or OGG file in the course&apos;s folder), played instead of synthesised speech</source>
        <translation>Eine Aufnahme des Textes in %1 (eine WAV- oder OGG-Datei im Ordner des Kurses), abgespielt statt synthetischer Sprache</translation>
    </message>
    <message>
        <source>Empty: the trainer&apos;s own caption for %1</source>
        <translation>Leer: die eigene Beschriftung des Trainers für %1</translation>
    </message>
    <message>
        <source>Missing in %1</source>
        <translation>Fehlt in %1</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>Edit caption %1 (%2)</source>
        <translation>Beschriftung %1 bearbeiten (%2)</translation>
    </message>
    <message>
        <source>Edit %1 (%2)</source>
        <translation>%1 bearbeiten (%2)</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Folge</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Gashebel</translation>
    </message>
    <message>
        <source>Inset</source>
        <translation>Einsatzbild</translation>
    </message>
</context>
<context>
    <name>kelvora::TextsTable</name>
    <message>
        <source>Texts</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>kelvora::TrainerLauncher</name>
    <message>
        <source>kelvora-trainer was found neither beside the editor (%1) nor on PATH</source>
        <translation>kelvora-trainer wurde weder neben dem Editor (%1) noch im PATH gefunden</translation>
    </message>
    <message>
        <source>%1 did not start</source>
        <translation>%1 ist nicht gestartet</translation>
    </message>
</context>
</TS>
