<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>kelvora::Autosave</name>
    <message>
        <source>The unsaved changes could not be kept in %1</source>
        <translation>Les modifications non enregistrées n&apos;ont pas pu être conservées dans %1</translation>
    </message>
    <message>
        <source>The unsaved changes could not be kept: %1</source>
        <translation>Les modifications non enregistrées n&apos;ont pas pu être conservées : %1</translation>
    </message>
</context>
<context>
    <name>kelvora::ChecksPanel</name>
    <message>
        <source>Checks</source>
        <translation>Vérifications</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Aucun problème trouvé.</translation>
    </message>
    <message>
        <source>Not checked in the editor: %1</source>
        <translation>Non vérifié dans l&apos;éditeur : %1</translation>
    </message>
</context>
<context>
    <name>kelvora::CourseDifferences</name>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>%1 %2: added</source>
        <translation>%1 %2 : ajouté</translation>
    </message>
    <message>
        <source>%1 %2: %3 changed</source>
        <translation>%1 %2 : %3 modifié</translation>
    </message>
    <message>
        <source>%1 %2: removed</source>
        <translation>%1 %2 : supprimé</translation>
    </message>
    <message>
        <source>Steps of %1: in another order</source>
        <translation>Étapes de %1 : dans un autre ordre</translation>
    </message>
    <message>
        <source>Screens: in another order</source>
        <translation>Écrans : dans un autre ordre</translation>
    </message>
    <message>
        <source>Course: %1 changed</source>
        <translation>Cours : %1 modifié</translation>
    </message>
</context>
<context>
    <name>kelvora::CourseDocument</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1 : illisible (%2)</translation>
    </message>
    <message>
        <source>%1 is a format 1 course: the editor shows it but cannot save it. Only format 2 courses (&quot;format&quot;: 2) are edited.</source>
        <translation>%1 est un cours au format 1 : l&apos;éditeur l&apos;affiche mais ne peut pas l&apos;enregistrer. Seuls les cours au format 2 (&quot;format&quot;: 2) sont modifiés.</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened: not saved</source>
        <translation>%1 a été modifié sur le disque depuis son ouverture : non enregistré</translation>
    </message>
    <message>
        <source>%1: not saved (the folder %2 cannot be made)</source>
        <translation>%1 : non enregistré (impossible de créer le dossier %2)</translation>
    </message>
    <message>
        <source>%1: not saved (%2 cannot be copied to %3); the file on disk is as it was</source>
        <translation>%1 : non enregistré (impossible de copier %2 vers %3) ; le fichier sur le disque est inchangé</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1 : fichier introuvable</translation>
    </message>
</context>
<context>
    <name>kelvora::CourseEdits</name>
    <message>
        <source>course</source>
        <translation>cours</translation>
    </message>
    <message>
        <source>screen</source>
        <translation>écran</translation>
    </message>
    <message>
        <source>step</source>
        <translation>étape</translation>
    </message>
    <message>
        <source>Move target</source>
        <translation>Déplacer la cible</translation>
    </message>
    <message>
        <source>Edit %1 (%2)</source>
        <translation>Modifier %1 (%2)</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>Renommer %1</translation>
    </message>
    <message>
        <source>Set sound</source>
        <translation>Choisir le son</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Définir %1</translation>
    </message>
    <message>
        <source>watched target</source>
        <translation>cible surveillée</translation>
    </message>
    <message>
        <source>group target</source>
        <translation>cible du groupe</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Ajouter %1</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Supprimer le groupe</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Ajouter un groupe</translation>
    </message>
    <message>
        <source>Set group</source>
        <translation>Définir le groupe</translation>
    </message>
    <message>
        <source>Set photograph</source>
        <translation>Choisir la photo</translation>
    </message>
    <message>
        <source>Set presses</source>
        <translation>Définir les appuis</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Ajouter une étape</translation>
    </message>
    <message>
        <source>Add screen</source>
        <translation>Ajouter un écran</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>Dupliquer %1</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Déplacer %1</translation>
    </message>
    <message>
        <source>Edit caption %1 (%2)</source>
        <translation>Modifier le libellé %1 (%2)</translation>
    </message>
    <message>
        <source>Add language %1</source>
        <translation>Ajouter la langue %1</translation>
    </message>
    <message>
        <source>Remove language %1</source>
        <translation>Supprimer la langue %1</translation>
    </message>
    <message>
        <source>Rename language %1</source>
        <translation>Renommer la langue %1</translation>
    </message>
</context>
<context>
    <name>kelvora::CourseFiles</name>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.bmp);;All files (*)</source>
        <translation>Images (*.jpg *.jpeg *.png *.bmp);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
</context>
<context>
    <name>kelvora::CourseModel</name>
    <message>
        <source>circle at %1, %2, radius %3</source>
        <translation>cercle en %1, %2, rayon %3</translation>
    </message>
    <message>
        <source>oval %1, %2, %3 x %4</source>
        <translation>ovale %1, %2, %3 x %4</translation>
    </message>
    <message>
        <source>rectangle %1, %2, %3 x %4</source>
        <translation>rectangle %1, %2, %3 x %4</translation>
    </message>
    <message>
        <source>Look at %1</source>
        <translation>Regarder : %1</translation>
    </message>
    <message numerus="yes">
        <source>Sequence of %n photograph(s)</source>
        <translation>
            <numerusform>Suite de %n photo</numerusform>
            <numerusform>Suite de %n photos</numerusform>
        </translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Manette des gaz</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Cible %1</translation>
    </message>
    <message>
        <source>Watched target</source>
        <translation>Cible surveillée</translation>
    </message>
    <message>
        <source>Finger lift</source>
        <translation>Levier de verrouillage</translation>
    </message>
    <message>
        <source>Screens and steps</source>
        <translation>Écrans et étapes</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>screen</source>
        <translation>écran</translation>
    </message>
    <message>
        <source>step</source>
        <translation>étape</translation>
    </message>
    <message>
        <source>group</source>
        <translation>groupe</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>Renommer %1</translation>
    </message>
    <message>
        <source>Move screen</source>
        <translation>Déplacer l&apos;écran</translation>
    </message>
    <message>
        <source>Move step to another screen</source>
        <translation>Déplacer l&apos;étape vers un autre écran</translation>
    </message>
    <message>
        <source>Move step</source>
        <translation>Déplacer l&apos;étape</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: an id is made of letters, digits, &apos;-&apos;, &apos;_&apos; and &apos;.&apos;</source>
        <translation>« %1 » : un identifiant se compose de lettres, de chiffres, de « - », « _ » et « . »</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: another screen has this id</source>
        <translation>« %1 » : un autre écran porte cet identifiant</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a step of the screen has this id</source>
        <translation>« %1 » : une étape de l&apos;écran porte cet identifiant</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a group of the screen has this id</source>
        <translation>« %1 » : un groupe de l&apos;écran porte cet identifiant</translation>
    </message>
    <message>
        <source>Delete screen</source>
        <translation>Supprimer l&apos;écran</translation>
    </message>
    <message>
        <source>Delete step</source>
        <translation>Supprimer l&apos;étape</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Supprimer le groupe</translation>
    </message>
    <message>
        <source>Delete group target</source>
        <translation>Supprimer la cible du groupe</translation>
    </message>
    <message>
        <source>Delete watched target</source>
        <translation>Supprimer la cible surveillée</translation>
    </message>
    <message>
        <source>Delete finger lift</source>
        <translation>Supprimer le levier de verrouillage</translation>
    </message>
</context>
<context>
    <name>kelvora::EditorWindow</name>
    <message>
        <source>Photograph</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Textes</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Vérifications</translation>
    </message>
    <message>
        <source>No problems found</source>
        <translation>Aucun problème trouvé</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New course...</source>
        <translation>&amp;Nouveau cours...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open &amp;folder...</source>
        <translation>Ouvrir un &amp;dossier...</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>Ouvrir un cours &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Close course</source>
        <translation>&amp;Fermer le cours</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Add scr&amp;een</source>
        <translation>Ajouter un &amp;écran</translation>
    </message>
    <message>
        <source>Add s&amp;tep</source>
        <translation>Ajouter une é&amp;tape</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>D&amp;upliquer</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Desce&amp;ndre</translation>
    </message>
    <message>
        <source>&amp;Photograph...</source>
        <translation>&amp;Photo...</translation>
    </message>
    <message>
        <source>S&amp;ound file...</source>
        <translation>Fichier s&amp;on...</translation>
    </message>
    <message>
        <source>Add &amp;language...</source>
        <translation>Ajouter une &amp;langue...</translation>
    </message>
    <message>
        <source>Re&amp;name language...</source>
        <translation>Re&amp;nommer une langue...</translation>
    </message>
    <message>
        <source>Remove lan&amp;guage...</source>
        <translation>Supprimer une lan&amp;gue...</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Aller</translation>
    </message>
    <message>
        <source>&amp;Outline</source>
        <translation>&amp;Plan</translation>
    </message>
    <message>
        <source>P&amp;hotograph</source>
        <translation>P&amp;hoto</translation>
    </message>
    <message>
        <source>&amp;Texts</source>
        <translation>&amp;Textes</translation>
    </message>
    <message>
        <source>&amp;Checks</source>
        <translation>&amp;Vérifications</translation>
    </message>
    <message>
        <source>Play s&amp;ound</source>
        <translation>Écouter le s&amp;on</translation>
    </message>
    <message>
        <source>Play from &amp;here</source>
        <translation>Jouer à partir d&apos;&amp;ici</translation>
    </message>
    <message>
        <source>Language to play in</source>
        <translation>Langue de lecture</translation>
    </message>
    <message>
        <source>KELVORA course editor</source>
        <translation>Éditeur de cours KELVORA</translation>
    </message>
    <message>
        <source>%1 has changes that were not saved, kept on %2. Restore them?</source>
        <translation>%1 a des modifications non enregistrées, conservées le %2. Les restaurer ?</translation>
    </message>
    <message>
        <source>Restore unsaved changes</source>
        <translation>Restaurer les modifications non enregistrées</translation>
    </message>
    <message>
        <source>%1 was changed on disk by another program. Reload it (your unsaved changes are lost), or keep yours and save them under another name?</source>
        <translation>%1 a été modifié sur le disque par un autre programme. Le recharger (vos modifications non enregistrées sont perdues), ou garder les vôtres et les enregistrer sous un autre nom ?</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened. Replace it with your version?</source>
        <translation>%1 a été modifié sur le disque depuis son ouverture. Le remplacer par votre version ?</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Save the course as</source>
        <translation>Enregistrer le cours sous</translation>
    </message>
    <message>
        <source>Courses (*.json)</source>
        <translation>Cours (*.json)</translation>
    </message>
    <message>
        <source>Add a language</source>
        <translation>Ajouter une langue</translation>
    </message>
    <message>
        <source>Language tag</source>
        <translation>Code de langue</translation>
    </message>
    <message>
        <source>de, pt-BR ...</source>
        <translation>de, pt-BR ...</translation>
    </message>
    <message>
        <source>Language name</source>
        <translation>Nom de la langue</translation>
    </message>
    <message>
        <source>&amp;Tag</source>
        <translation>&amp;Code</translation>
    </message>
    <message>
        <source>&amp;Name on the start screen</source>
        <translation>&amp;Nom sur l&apos;écran d&apos;accueil</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a new language tag (such as de or pt-BR)</source>
        <translation>« %1 » n&apos;est pas un nouveau code de langue (comme de ou pt-BR)</translation>
    </message>
    <message>
        <source>Rename a language</source>
        <translation>Renommer une langue</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>A course keeps at least one language.</source>
        <translation>Un cours garde au moins une langue.</translation>
    </message>
    <message>
        <source>Remove a language</source>
        <translation>Supprimer une langue</translation>
    </message>
    <message>
        <source>&amp;Language to remove with all its texts (undo brings them back)</source>
        <translation>&amp;Langue à supprimer avec tous ses textes (annuler les rétablit)</translation>
    </message>
    <message>
        <source>The course has no screen to play yet.</source>
        <translation>Le cours n&apos;a pas encore d&apos;écran à jouer.</translation>
    </message>
    <message>
        <source>Choose or make a folder for the new course</source>
        <translation>Choisir ou créer un dossier pour le nouveau cours</translation>
    </message>
    <message>
        <source>Open a course</source>
        <translation>Ouvrir un cours</translation>
    </message>
    <message>
        <source>Open a course folder</source>
        <translation>Ouvrir un dossier de cours</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 a des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>&amp;Keep mine (save as)...</source>
        <translation>&amp;Garder la mienne (enregistrer sous)...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>No difference in the course&apos;s contents.</source>
        <translation>Aucune différence dans le contenu du cours.</translation>
    </message>
    <message>
        <source>%1[*] - %2%3 - KELVORA course editor</source>
        <translation>%1[*] - %2%3 - Éditeur de cours KELVORA</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (lecture seule)</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s)</source>
        <translation>
            <numerusform>%n constat</numerusform>
            <numerusform>%n constats</numerusform>
        </translation>
    </message>
    <message>
        <source>Screens from p&amp;hotographs...</source>
        <translation>Écrans à partir de p&amp;hotos...</translation>
    </message>
    <message>
        <source>Steps from photo&amp;graphs...</source>
        <translation>Étapes à partir de p&amp;hotos...</translation>
    </message>
    <message>
        <source>&amp;Copy step</source>
        <translation>Co&amp;pier l&apos;étape</translation>
    </message>
    <message>
        <source>Cu&amp;t step</source>
        <translation>Co&amp;uper l&apos;étape</translation>
    </message>
    <message>
        <source>&amp;Paste steps</source>
        <translation>Co&amp;ller les étapes</translation>
    </message>
    <message>
        <source>Paste t&amp;arget</source>
        <translation>Coller la &amp;cible</translation>
    </message>
    <message>
        <source>Move step to scree&amp;n...</source>
        <translation>Déplacer l&apos;étape vers l&apos;écra&amp;n...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Fit the page</source>
        <translation>&amp;Ajuster la page</translation>
    </message>
    <message>
        <source>&amp;Actual pixels of the photograph</source>
        <translation>&amp;Pixels réels de la photo</translation>
    </message>
    <message>
        <source>Draw &amp;rectangles</source>
        <translation>Dessiner des &amp;rectangles</translation>
    </message>
    <message>
        <source>Draw &amp;circles</source>
        <translation>Dessiner des &amp;cercles</translation>
    </message>
    <message>
        <source>Draw o&amp;vals</source>
        <translation>Dessiner des o&amp;vales</translation>
    </message>
    <message>
        <source>Paste steps</source>
        <translation>Coller les étapes</translation>
    </message>
    <message>
        <source>Move a step to another screen</source>
        <translation>Déplacer une étape vers un autre écran</translation>
    </message>
    <message>
        <source>&amp;Screen</source>
        <translation>&amp;Écran</translation>
    </message>
    <message>
        <source>Move step to %1</source>
        <translation>Déplacer l&apos;étape vers %1</translation>
    </message>
    <message>
        <source>Screens from photographs: one screen each, in name order</source>
        <translation>Écrans à partir de photos : un par photo, dans l&apos;ordre des noms</translation>
    </message>
    <message>
        <source>Screens from photographs</source>
        <translation>Écrans à partir de photos</translation>
    </message>
    <message>
        <source>Steps from photographs: each press leaves one behind, in name order</source>
        <translation>Étapes à partir de photos : chaque appui en laisse une, dans l&apos;ordre des noms</translation>
    </message>
    <message>
        <source>Steps from photographs</source>
        <translation>Étapes à partir de photos</translation>
    </message>
    <message>
        <source>Remove &amp;unused files...</source>
        <translation>Supprimer les fichiers &amp;inutilisés...</translation>
    </message>
    <message>
        <source>&amp;Recording file...</source>
        <translation>Fichier d&apos;&amp;enregistrement...</translation>
    </message>
    <message>
        <source>Choose a recording&apos;s cell in the texts table first</source>
        <translation>Choisissez d&apos;abord la cellule d&apos;un enregistrement dans le tableau des textes</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Recordings (*.wav *.ogg);;All files (*)</source>
        <translation>Enregistrements (*.wav *.ogg);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>No unused pictures or sounds in %1</source>
        <translation>Aucune image ni aucun son inutilisé dans %1</translation>
    </message>
    <message>
        <source>Remove unused files</source>
        <translation>Supprimer les fichiers inutilisés</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) or sound(s) in the course&apos;s folder are named neither by the saved course nor by the one you are editing. Remove them?</source>
        <translation>
            <numerusform>%n image ou son du dossier du cours n&apos;est nommé ni par le cours enregistré ni par celui en cours de modification. Le supprimer ?</numerusform>
            <numerusform>%n images ou sons du dossier du cours ne sont nommés ni par le cours enregistré ni par celui en cours de modification. Les supprimer ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Hear &amp;narration</source>
        <translation>Écouter la &amp;narration</translation>
    </message>
    <message>
        <source>Choose a text in the texts table first</source>
        <translation>Choisissez d’abord un texte dans le tableau des textes</translation>
    </message>
    <message>
        <source>Checks for &amp;keyboard use</source>
        <translation>Vérifications pour l’usage au &amp;clavier</translation>
    </message>
</context>
<context>
    <name>kelvora::OutlineView</name>
    <message>
        <source>Course outline</source>
        <translation>Plan du cours</translation>
    </message>
</context>
<context>
    <name>kelvora::PhotographView</name>
    <message>
        <source>Explanation</source>
        <translation>Explication</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Inset</source>
        <translation>Incrustation</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>No photograph yet: drop a picture file here.</source>
        <translation>Pas encore de photo : déposez un fichier image ici.</translation>
    </message>
    <message>
        <source>Photograph not found:
%1</source>
        <translation>Photo introuvable :
%1</translation>
    </message>
    <message>
        <source>Photograph cannot be read:
%1
%2</source>
        <translation>Photo illisible :
%1
%2</translation>
    </message>
    <message>
        <source>centre %1, %2  radius %3</source>
        <translation>centre %1, %2  rayon %3</translation>
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
        <translation>&amp;Écouter</translation>
    </message>
    <message>
        <source>Sound file...</source>
        <translation>Fichier son...</translation>
    </message>
    <message>
        <source>Photograph...</source>
        <translation>Photo...</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Target shape</source>
        <translation>Forme de la cible</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Écouter le son</translation>
    </message>
    <message>
        <source>Presses</source>
        <translation>Appuis</translation>
    </message>
    <message>
        <source>How often the step is pressed; each press leaves its own photograph</source>
        <translation>Nombre d&apos;appuis de l&apos;étape ; chaque appui laisse sa propre photo</translation>
    </message>
    <message>
        <source>&amp;Id</source>
        <translation>&amp;Identifiant</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Photograph</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the course&apos;s id is a URI or URN, such as urn:example:courses:mine</source>
        <translation>« %1 » : l&apos;identifiant du cours est une URI ou une URN, comme urn:example:courses:mine</translation>
    </message>
    <message>
        <source>The photograph the press leaves behind, or one per press</source>
        <translation>La photo que laisse l&apos;appui, ou une par appui</translation>
    </message>
    <message>
        <source>The screen&apos;s photograph</source>
        <translation>La photo de l&apos;écran</translation>
    </message>
    <message>
        <source>Photograph the press leaves behind, or one per press</source>
        <translation>Photo que laisse l&apos;appui, ou une par appui</translation>
    </message>
    <message>
        <source>Sounds (*.wav);;All files (*)</source>
        <translation>Sons (*.wav);;Tous les fichiers (*)</translation>
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
        <translation>&amp;L</translation>
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
        <translation>Remplacer la photo</translation>
    </message>
</context>
<context>
    <name>kelvora::ScreenPanel</name>
    <message>
        <source>Sequence...</source>
        <translation>Séquence...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Add target</source>
        <translation>Ajouter une cible</translation>
    </message>
    <message>
        <source>Delete target</source>
        <translation>Supprimer la cible</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Supprimer le groupe</translation>
    </message>
    <message>
        <source>Watch target</source>
        <translation>Cible surveillée</translation>
    </message>
    <message>
        <source>Inset...</source>
        <translation>Incrustation...</translation>
    </message>
    <message>
        <source>Inset place</source>
        <translation>Place de l&apos;incrustation</translation>
    </message>
    <message>
        <source>Engine loop</source>
        <translation>Boucle moteur</translation>
    </message>
    <message>
        <source>The timed sequence&apos;s photographs, shown one per period after the last step</source>
        <translation>Les photos de la séquence minutée, une par période après la dernière étape</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Sequence period</source>
        <translation>Période de la séquence</translation>
    </message>
    <message>
        <source>Sequence sound</source>
        <translation>Son de la séquence</translation>
    </message>
    <message>
        <source>Inset</source>
        <translation>Incrustation</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Boucle</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Ajouter un groupe</translation>
    </message>
    <message>
        <source>Look-only target</source>
        <translation>Cible à regarder</translation>
    </message>
    <message>
        <source>Group id</source>
        <translation>Identifiant du groupe</translation>
    </message>
    <message>
        <source>Look-only target shape</source>
        <translation>Forme de la cible à regarder</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Regards</translation>
    </message>
    <message>
        <source>group id</source>
        <translation>identifiant du groupe</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Timed sequence...</source>
        <translation>Séquence minutée...</translation>
    </message>
    <message>
        <source>Sequence: %1 photographs...</source>
        <translation>Séquence : %1 photos...</translation>
    </message>
    <message>
        <source>(the steps&apos; targets)</source>
        <translation>(les cibles des étapes)</translation>
    </message>
    <message>
        <source>group %1: target %2 of %3</source>
        <translation>groupe %1 : cible %2 sur %3</translation>
    </message>
    <message>
        <source>watched by the sequence</source>
        <translation>surveillée par la séquence</translation>
    </message>
    <message>
        <source>The sequence&apos;s photographs, in order</source>
        <translation>Les photos de la séquence, dans l&apos;ordre</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
</context>
<context>
    <name>kelvora::StartPage</name>
    <message>
        <source>Make a course of screens, steps and targets on your photographs.</source>
        <translation>Créez un cours d&apos;écrans, d&apos;étapes et de cibles sur vos photos.</translation>
    </message>
    <message>
        <source>&amp;New course...</source>
        <translation>&amp;Nouveau cours...</translation>
    </message>
    <message>
        <source>&amp;Open a course...</source>
        <translation>&amp;Ouvrir un cours...</translation>
    </message>
    <message>
        <source>&amp;Recent courses</source>
        <translation>Cours &amp;récents</translation>
    </message>
    <message>
        <source>E&amp;xamples</source>
        <translation>E&amp;xemples</translation>
    </message>
    <message>
        <source>Recent courses</source>
        <translation>Cours récents</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Exemples</translation>
    </message>
</context>
<context>
    <name>kelvora::TextFit</name>
    <message>
        <source>far too long (%1 characters)</source>
        <translation>bien trop long (%1 caractères)</translation>
    </message>
    <message>
        <source>1 row too long</source>
        <translation>1 ligne de trop</translation>
    </message>
    <message>
        <source>%1 rows too long</source>
        <translation>%1 lignes de trop</translation>
    </message>
    <message>
        <source>a word too wide (%1 px)</source>
        <translation>un mot trop large (%1 px)</translation>
    </message>
    <message>
        <source>fits</source>
        <translation>tient</translation>
    </message>
</context>
<context>
    <name>kelvora::TextsModel</name>
    <message>
        <source>Start button</source>
        <translation>Bouton Démarrer</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Language label</source>
        <translation>Libellé de langue</translation>
    </message>
    <message>
        <source>Credit line</source>
        <translation>Ligne de crédits</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titre</translation>
    </message>
    <message>
        <source>description</source>
        <translation>description</translation>
    </message>
    <message>
        <source>loop caption</source>
        <translation>sous-titre de la boucle</translation>
    </message>
    <message>
        <source>label</source>
        <translation>libellé</translation>
    </message>
    <message>
        <source>sound caption</source>
        <translation>sous-titre du son</translation>
    </message>
    <message>
        <source>caption at half</source>
        <translation>sous-titre à mi-course</translation>
    </message>
    <message>
        <source>caption at IDLE</source>
        <translation>sous-titre à IDLE</translation>
    </message>
    <message>
        <source>recording (sound file)</source>
        <translation>enregistrement (fichier son)</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Cours</translation>
    </message>
    <message>
        <source>%1: text</source>
        <translation>%1 : texte</translation>
    </message>
    <message>
        <source>A recording of the text in %1 (a WAV or OGG file in the course&apos;s folder), played instead of synthesised speech</source>
        <translation>Un enregistrement du texte en %1 (un fichier WAV ou OGG du dossier du cours), joué à la place de la voix de synthèse</translation>
    </message>
    <message>
        <source>Empty: the trainer&apos;s own caption for %1</source>
        <translation>Vide : le libellé propre au formateur pour %1</translation>
    </message>
    <message>
        <source>Missing in %1</source>
        <translation>Manque en %1</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>Edit caption %1 (%2)</source>
        <translation>Modifier le libellé %1 (%2)</translation>
    </message>
    <message>
        <source>Edit %1 (%2)</source>
        <translation>Modifier %1 (%2)</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Suite</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Manette des gaz</translation>
    </message>
    <message>
        <source>Inset</source>
        <translation>Incrustation</translation>
    </message>
</context>
<context>
    <name>kelvora::TextsTable</name>
    <message>
        <source>Texts</source>
        <translation>Textes</translation>
    </message>
</context>
<context>
    <name>kelvora::TrainerLauncher</name>
    <message>
        <source>kelvora-trainer was found neither beside the editor (%1) nor on PATH</source>
        <translation>kelvora-trainer n&apos;a été trouvé ni à côté de l&apos;éditeur (%1) ni dans le PATH</translation>
    </message>
    <message>
        <source>%1 did not start</source>
        <translation>%1 n&apos;a pas démarré</translation>
    </message>
</context>
</TS>
