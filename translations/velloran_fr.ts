<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BackupCommands</name>
    <message>
        <source><byte value="xd"/>
The files you had before are kept in<byte value="xd"/>
%1</source>
        <translation><byte value="xd"/>
Les fichiers que vous aviez auparavant sont conservés dans<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>&amp;Back Up Data…</source>
        <translation>&amp;Sauvegarder les données…</translation>
    </message>
    <message>
        <source>&amp;Restore…</source>
        <translation>Res&amp;taurer…</translation>
    </message>
    <message>
        <source>Choose a folder for the backup</source>
        <translation>Choisissez un dossier pour la sauvegarde</translation>
    </message>
    <message>
        <source>Choose the backup folder to restore</source>
        <translation>Choisissez le dossier de sauvegarde à restaurer</translation>
    </message>
    <message>
        <source>Your records and diary were backed up and the copy was checked:<byte value="xd"/>
%1</source>
        <translation>Vos fiches et votre journal ont été sauvegardés, et la copie a été vérifiée :<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The backup could not be made.<byte value="xd"/>
%1</source>
        <translation>La sauvegarde n&apos;a pas pu être effectuée.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Replace your records and diary with those of the backup<byte value="xd"/>
%1 ?<byte value="xd"/>
Your current files are kept aside as a backup of their own.</source>
        <translation>Remplacer vos fiches et votre journal par ceux de la sauvegarde<byte value="xd"/>
%1 ?<byte value="xd"/>
Vos fichiers actuels sont conservés à part dans une sauvegarde distincte.</translation>
    </message>
    <message>
        <source>Your records and diary were restored from<byte value="xd"/>
%1</source>
        <translation>Vos fiches et votre journal ont été restaurés depuis<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>This backup cannot be restored; nothing was changed.<byte value="xd"/>
%1</source>
        <translation>Cette sauvegarde ne peut pas être restaurée ; rien n&apos;a été modifié.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Nothing was restored; your records and diary are as they were.<byte value="xd"/>
%1</source>
        <translation>Rien n&apos;a été restauré ; vos fiches et votre journal sont tels qu&apos;ils étaient.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The restore did not finish, so your records and diary were put back as they were.</source>
        <translation>La restauration n&apos;a pas abouti ; vos fiches et votre journal ont donc été remis tels qu&apos;ils étaient.</translation>
    </message>
    <message>
        <source>The restore did not finish and could not be undone; Velloran tries again when it next starts.</source>
        <translation>La restauration n&apos;a pas abouti et n&apos;a pas pu être annulée ; Velloran réessaiera à son prochain démarrage.</translation>
    </message>
    <message>
        <source>The restore from<byte value="xd"/>
%1<byte value="xd"/>
was cut off when Velloran last ran. </source>
        <translation>La restauration depuis<byte value="xd"/>
%1<byte value="xd"/>
a été interrompue lors de la dernière exécution de Velloran. </translation>
    </message>
    <message>
        <source>It has now been finished: your records and diary are those of the backup.</source>
        <translation>Elle est maintenant terminée : vos fiches et votre journal sont ceux de la sauvegarde.</translation>
    </message>
    <message>
        <source>It could not be finished, so it was undone: your records and diary are as they were before it.<byte value="xd"/>
%1</source>
        <translation>Elle n&apos;a pas pu être terminée et a donc été annulée : vos fiches et votre journal sont tels qu&apos;ils étaient avant.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>It could neither be finished nor undone, so your records and diary may be from two different times; Velloran tries again when it next starts.<byte value="xd"/>
%1</source>
        <translation>Elle n&apos;a pu être ni terminée ni annulée ; vos fiches et votre journal peuvent donc dater de deux moments différents. Velloran réessaiera à son prochain démarrage.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Replace the records and diary of the shared database %1 with those of the backup<byte value="xd"/>
%2 ?<byte value="xd"/>
Every user of the database sees the backup&apos;s.</source>
        <translation>Remplacer les fiches et le journal de la base de données partagée %1 par ceux de la sauvegarde<byte value="xd"/>
%2 ?<byte value="xd"/>
Tous les utilisateurs de la base de données verront ceux de la sauvegarde.</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>the import was cancelled; nothing was stored</source>
        <translation>l’importation a été annulée ; rien n’a été enregistré</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Le fichier %1 n’a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>The imported rows could not be read</source>
        <translation>Les lignes importées n’ont pas pu être lues</translation>
    </message>
    <message>
        <source>The rows already stored could not be read</source>
        <translation>Les lignes déjà enregistrées n’ont pas pu être lues</translation>
    </message>
    <message>
        <source>“%1” is no date of the form %2 (%3)</source>
        <extracomment>A line&apos;s fault: the date, the form dates are read in, and the field.</extracomment>
        <translation>« %1 » n’est pas une date de la forme %2 (%3)</translation>
    </message>
    <message>
        <source>%1 holds a null character, which the database cannot keep</source>
        <translation>%1 contient un caractère nul, que la base de données ne peut pas garder</translation>
    </message>
    <message>
        <source>%1 is longer than the database keeps (a billion bytes)</source>
        <translation>%1 est plus long que ce que garde la base de données (un milliard d’octets)</translation>
    </message>
    <message>
        <source>The file %1 could not be imported</source>
        <translation>Le fichier %1 n’a pas pu être importé</translation>
    </message>
    <message>
        <source>The import could not begin</source>
        <translation>L’importation n’a pas pu commencer</translation>
    </message>
    <message>
        <source>The server did not say whether the file was imported</source>
        <translation>Le serveur n’a pas dit si le fichier a été importé</translation>
    </message>
    <message>
        <source>not every row was added</source>
        <translation>toutes les lignes n’ont pas été ajoutées</translation>
    </message>
    <message>
        <source>The import of %1 could not be undone</source>
        <translation>L’importation de %1 n’a pas pu être annulée</translation>
    </message>
    <message>
        <source>The import could not be undone</source>
        <translation>L’importation n’a pas pu être annulée</translation>
    </message>
    <message>
        <source>The server did not say whether the import was undone</source>
        <translation>Le serveur n’a pas dit si l’importation a été annulée</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>Field %1 holds bytes that are not %2 text.</source>
        <translation>Le champ %1 contient des octets qui ne sont pas du texte %2.</translation>
    </message>
    <message>
        <source>Field %1 has text after its closing quote.</source>
        <translation>Le champ %1 contient du texte après son guillemet fermant.</translation>
    </message>
    <message>
        <source>The row runs on for more than %1 characters; it is cut at the end of its first line.</source>
        <translation>L&apos;enregistrement dépasse %1 caractères ; il est coupé à la fin de sa première ligne.</translation>
    </message>
    <message>
        <source>A quote in the row is never closed; the row is read to the end of its line.</source>
        <translation>Un guillemet de l&apos;enregistrement n&apos;est jamais fermé ; il est lu jusqu&apos;à la fin de sa ligne.</translation>
    </message>
    <message>
        <source>The row has %1 fields where the first row has %2.</source>
        <translation>L&apos;enregistrement a %1 champs, le premier %2.</translation>
    </message>
</context>
<context>
    <name>DataBackup</name>
    <message>
        <source>%1 is missing from the backup.</source>
        <translation>%1 manque dans la sauvegarde.</translation>
    </message>
    <message>
        <source>%1 in the backup is not the file that was backed up.</source>
        <translation>%1 dans la sauvegarde n&apos;est pas le fichier qui a été sauvegardé.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>%1 could not be restored: %2</source>
        <translation>%1 n&apos;a pas pu être restauré : %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>Impossible d&apos;écrire dans le dossier %1.</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2</source>
        <translation>%1 n&apos;a pas pu être copié : %2</translation>
    </message>
    <message>
        <source>%1 could not be read back.</source>
        <translation>%1 n&apos;a pas pu être relu.</translation>
    </message>
    <message>
        <source>There is no data file in %1.</source>
        <translation>Il n&apos;y a aucun fichier de données dans %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written. %2</source>
        <translation>Impossible d&apos;écrire dans le dossier %1. %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be found.</source>
        <translation>Le dossier %1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 is not a Velloran backup.</source>
        <translation>%1 n&apos;est pas une sauvegarde de Velloran.</translation>
    </message>
    <message>
        <source>%1 in the backup is damaged: %2</source>
        <translation>%1 dans la sauvegarde est endommagé : %2</translation>
    </message>
    <message>
        <source>The backup holds no data file.</source>
        <translation>La sauvegarde ne contient aucun fichier de données.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>The current files could not be kept aside, so nothing was changed. %1</source>
        <translation>Les fichiers actuels n&apos;ont pas pu être mis de côté ; rien n&apos;a donc été modifié. %1</translation>
    </message>
    <message>
        <source>The restore could not begin. %1</source>
        <translation>La restauration n&apos;a pas pu commencer. %1</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The folder is read-only.</source>
        <translation>Le dossier est en lecture seule.</translation>
    </message>
    <message>
        <source>Velloran cannot keep your dowsing records and diary in the folder<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Velloran ne peut pas conserver vos fiches de radiesthésie et votre journal dans le dossier<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The folder cannot be created: %1</source>
        <translation>Le dossier ne peut pas être créé : %1</translation>
    </message>
    <message>
        <source>The folder cannot be written: %1</source>
        <translation>Impossible d&apos;écrire dans le dossier : %1</translation>
    </message>
    <message>
        <source>%1 cannot be copied there: %2</source>
        <translation>%1 ne peut pas y être copié : %2</translation>
    </message>
</context>
<context>
    <name>DataSourceChoice</name>
    <message>
        <source>The password of %1 on the shared database:</source>
        <translation>Le mot de passe de %1 sur la base de données partagée :</translation>
    </message>
    <message>
        <source>&amp;Data Source…</source>
        <translation>Source de &amp;données…</translation>
    </message>
    <message>
        <source>Cop&amp;y Local Files to the Shared Database…</source>
        <translation>Copier les fichiers &amp;locaux dans la base de données partagée…</translation>
    </message>
    <message>
        <source>The shared database given cannot be used: %1.<byte value="xd"/>
Velloran uses the files on this computer.</source>
        <translation>La base de données partagée indiquée ne peut pas être utilisée : %1.<byte value="xd"/>
Velloran utilise les fichiers de cet ordinateur.</translation>
    </message>
    <message>
        <source>The database %1 is empty.<byte value="xd"/>
Make Velloran&apos;s tables in it, so that its users can keep their records and diary there?</source>
        <translation>La base de données %1 est vide.<byte value="xd"/>
Y créer les tables de Velloran, afin que ses utilisateurs puissent y tenir leurs fiches et leur journal ?</translation>
    </message>
    <message>
        <source>The tables in the database %1 were made by an earlier Velloran.<byte value="xd"/>
Bring them up to date? Earlier versions of Velloran cannot use them after that.</source>
        <translation>Les tables de la base de données %1 ont été créées par une version antérieure de Velloran.<byte value="xd"/>
Les mettre à jour ? Les versions antérieures de Velloran ne pourront plus les utiliser ensuite.</translation>
    </message>
    <message>
        <source>Velloran cannot use the database %1: %2.</source>
        <translation>Velloran ne peut pas utiliser la base de données %1 : %2.</translation>
    </message>
    <message>
        <source>The shared database could not be opened</source>
        <translation>La base de données partagée n&apos;a pas pu être ouverte</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>the file %1 is missing</source>
        <translation>le fichier %1 est manquant</translation>
    </message>
    <message>
        <source>the file %1 is in use by another program</source>
        <translation>le fichier %1 est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>the file %1 or its folder is read-only</source>
        <translation>le fichier %1 ou son dossier est en lecture seule</translation>
    </message>
    <message>
        <source>the file %1 is damaged (%2)</source>
        <translation>le fichier %1 est endommagé (%2)</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full</source>
        <translation>le disque qui contient %1 est plein</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>le pilote SQLite de Qt n&apos;est pas installé</translation>
    </message>
    <message>
        <source>the file %1 does not exist</source>
        <translation>le fichier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>The database %1 could not be made</source>
        <translation>La base de données %1 n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source>the file already exists</source>
        <translation>le fichier existe déjà</translation>
    </message>
    <message>
        <source>the schema ends inside a statement</source>
        <translation>le schéma se termine au milieu d&apos;une instruction</translation>
    </message>
    <message>
        <source>the finished file could not be moved into place</source>
        <translation>le fichier terminé n&apos;a pas pu être mis en place</translation>
    </message>
    <message>
        <source>the server %1 cannot be reached (%2)</source>
        <translation>le serveur %1 est injoignable (%2)</translation>
    </message>
    <message>
        <source>the server %1 refused the connection (%2)</source>
        <translation>le serveur %1 a refusé la connexion (%2)</translation>
    </message>
    <message>
        <source>the record is in use by another user of the server %1 (%2)</source>
        <translation>la fiche est utilisée par un autre utilisateur du serveur %1 (%2)</translation>
    </message>
    <message>
        <source>the server %1 does not let this user change the records (%2)</source>
        <translation>le serveur %1 ne permet pas à cet utilisateur de modifier les fiches (%2)</translation>
    </message>
    <message>
        <source>the database %1 does not hold Velloran&apos;s tables (%2)</source>
        <translation>la base de données %1 ne contient pas les tables de Velloran (%2)</translation>
    </message>
    <message>
        <source>the disk of the server %1 is full</source>
        <translation>le disque du serveur %1 est plein</translation>
    </message>
    <message>
        <source>the row was removed meanwhile</source>
        <translation>la ligne a été supprimée entre-temps</translation>
    </message>
    <message>
        <source>the connection to the server %1 was lost before it answered (%2)</source>
        <translation>la connexion au serveur %1 a été perdue avant sa réponse (%2)</translation>
    </message>
</context>
<context>
    <name>DiaryKeywordModel</name>
    <message>
        <source>The %1 section has no line %2</source>
        <translation>La section %1 n&apos;a pas de ligne %2</translation>
    </message>
</context>
<context>
    <name>DiaryStore</name>
    <message>
        <source>Spell</source>
        <translation>Sorts</translation>
    </message>
    <message>
        <source>Incense</source>
        <translation>Encens</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recettes</translation>
    </message>
    <message>
        <source>Rituals</source>
        <translation>Rituels</translation>
    </message>
    <message>
        <source>The %1 section could not be read</source>
        <translation>La section %1 n&apos;a pas pu être lue</translation>
    </message>
    <message>
        <source>No entry of the %1 section has the number %2</source>
        <translation>Aucune entrée de la section %1 ne porte le numéro %2</translation>
    </message>
    <message>
        <source>the file %1 does not number its entries itself (the &quot;Index&quot; column of the %2 section is no automatic key), so an entry could be neither edited nor removed; it may be an older or converted file</source>
        <translation>le fichier %1 ne numérote pas lui-même ses entrées (la colonne « Index » de la section %2 n&apos;est pas une clé automatique), si bien qu&apos;une entrée ne pourrait être ni modifiée ni supprimée ; il s&apos;agit peut-être d&apos;un fichier ancien ou converti</translation>
    </message>
    <message>
        <source>The entry could not be read from the %1 section</source>
        <translation>L&apos;entrée n&apos;a pas pu être lue dans la section %1</translation>
    </message>
    <message>
        <source>The entry could not be added to the %1 section</source>
        <translation>L&apos;entrée n&apos;a pas pu être ajoutée à la section %1</translation>
    </message>
    <message>
        <source>The entry could not be saved in the %1 section</source>
        <translation>L&apos;entrée n&apos;a pas pu être enregistrée dans la section %1</translation>
    </message>
    <message>
        <source>The entry could not be removed from the %1 section</source>
        <translation>L&apos;entrée n&apos;a pas pu être supprimée de la section %1</translation>
    </message>
    <message>
        <source>The entry %1 of the %2 section was changed by someone else since it was shown</source>
        <translation>L&apos;entrée %1 de la section %2 a été modifiée par quelqu&apos;un d&apos;autre depuis son affichage</translation>
    </message>
    <message>
        <source>The entry could not be put back in the %1 section</source>
        <translation>L&apos;entrée n&apos;a pas pu être remise dans la section %1</translation>
    </message>
    <message>
        <source>no such section</source>
        <translation>cette section n&apos;existe pas</translation>
    </message>
    <message>
        <source>The server did not say whether the entry of the %1 section was saved</source>
        <translation>Le serveur n’a pas dit si l’entrée de la section %1 a été enregistrée</translation>
    </message>
    <message>
        <source>The server did not say whether the entry of the %1 section was removed</source>
        <translation>Le serveur n’a pas dit si l’entrée de la section %1 a été retirée</translation>
    </message>
    <message>
        <source>The server did not say whether the entry of the %1 section was put back</source>
        <translation>Le serveur n’a pas dit si l’entrée de la section %1 a été remise en place</translation>
    </message>
</context>
<context>
    <name>DiaryTools</name>
    <message>
        <source>CSV file | *.csv</source>
        <translation>Fichier CSV | *.csv</translation>
    </message>
    <message>
        <source>PDF file | *.pdf</source>
        <translation>Fichier PDF | *.pdf</translation>
    </message>
    <message>
        <source>%1 Section</source>
        <extracomment>The heading of a section&apos;s pages: &quot;Spell Section&quot;.</extracomment>
        <translation>Section %1</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Rechercher…</translation>
    </message>
    <message>
        <source>Export Section to &amp;CSV…</source>
        <translation>Exporter la section en &amp;CSV…</translation>
    </message>
    <message>
        <source>Export Section to &amp;PDF…</source>
        <translation>Exporter la section en &amp;PDF…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view of Section…</source>
        <translation>&amp;Aperçu avant impression de la section…</translation>
    </message>
    <message>
        <source>The section was exported to<byte value="xd"/>
%1</source>
        <translation>La section a été exportée vers<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The section could not be exported to %1.<byte value="xd"/>
%2</source>
        <translation>La section n&apos;a pas pu être exportée vers %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Mot-clé</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Signification</translation>
    </message>
    <message>
        <source>&amp;Import Section from CSV…</source>
        <translation>&amp;Importer la section depuis un CSV…</translation>
    </message>
</context>
<context>
    <name>DowsingEntryRules</name>
    <message>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>Rods</source>
        <translation>Baguettes</translation>
    </message>
    <message>
        <source>Branch</source>
        <translation>Baguette fourchue</translation>
    </message>
    <message>
        <source>Pendulam</source>
        <translation>Pendule</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Oil</source>
        <translation>Pétrole</translation>
    </message>
    <message>
        <source>Treasure</source>
        <translation>Trésor</translation>
    </message>
    <message>
        <source>Missing Person</source>
        <translation>Personne disparue</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Autre</translation>
    </message>
</context>
<context>
    <name>DowsingGridModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Phone No</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>Time Of Dowsing</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Dowsing Tool</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Item Of Dowsing</source>
        <translation>Objet recherché</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>IdNumber</source>
        <translation>Numéro</translation>
    </message>
</context>
<context>
    <name>DowsingSearch</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>Making the search index was stopped.</source>
        <translation>La création de l&apos;index de recherche a été interrompue.</translation>
    </message>
</context>
<context>
    <name>DowsingSheet</name>
    <message>
        <source>Date :- </source>
        <translation>Date :- </translation>
    </message>
    <message>
        <source>Name :- </source>
        <translation>Nom :- </translation>
    </message>
    <message>
        <source>Address :- </source>
        <translation>Adresse :- </translation>
    </message>
    <message>
        <source>City :- </source>
        <translation>Ville :- </translation>
    </message>
    <message>
        <source>State :- </source>
        <translation>Région :- </translation>
    </message>
    <message>
        <source>Pin :- </source>
        <translation>Code postal :- </translation>
    </message>
    <message>
        <source>Phone Number :- </source>
        <translation>Téléphone :- </translation>
    </message>
    <message>
        <source>Email :- </source>
        <translation>E-mail :- </translation>
    </message>
    <message>
        <source>Dowsing Time :- </source>
        <translation>Heure :- </translation>
    </message>
    <message>
        <source>Dowsing Tool :- </source>
        <translation>Instrument :- </translation>
    </message>
    <message>
        <source>Dowsing Item :- </source>
        <translation>Objet recherché :- </translation>
    </message>
    <message>
        <source>Location :- </source>
        <translation>Lieu :- </translation>
    </message>
    <message>
        <source>Notes :- </source>
        <translation>Notes :- </translation>
    </message>
    <message>
        <source>Dowsin Item :- </source>
        <translation>Objet recherché :- </translation>
    </message>
    <message>
        <source>This data has not been entered</source>
        <translation>Cette donnée n&apos;a pas été saisie</translation>
    </message>
</context>
<context>
    <name>DowsingStore</name>
    <message>
        <source>No record has the number %1</source>
        <translation>Aucune fiche ne porte le numéro %1</translation>
    </message>
    <message>
        <source>The dowsing records could not be opened</source>
        <translation>Les fiches de radiesthésie n&apos;ont pas pu être ouvertes</translation>
    </message>
    <message>
        <source>the file %1 does not number its records itself (its IdNumber column is no automatic key), so a record added to it could be neither changed nor removed; it may be an older or converted file</source>
        <translation>le fichier %1 ne numérote pas lui-même ses fiches (sa colonne IdNumber n&apos;est pas une clé automatique), si bien qu&apos;une fiche ajoutée ne pourrait être ni modifiée ni supprimée ; il s&apos;agit peut-être d&apos;un fichier ancien ou converti</translation>
    </message>
    <message>
        <source>The record could not be removed</source>
        <translation>La fiche n&apos;a pas pu être supprimée</translation>
    </message>
    <message>
        <source>The record %1 was changed by someone else since it was shown</source>
        <translation>La fiche %1 a été modifiée par quelqu&apos;un d&apos;autre depuis son affichage</translation>
    </message>
    <message>
        <source>The record could not be put back</source>
        <translation>La fiche n&apos;a pas pu être remise</translation>
    </message>
    <message>
        <source>it is no record</source>
        <translation>ce n&apos;est pas une fiche</translation>
    </message>
    <message>
        <source>The records could not be read</source>
        <translation>Les fiches n&apos;ont pas pu être lues</translation>
    </message>
    <message>
        <source>The records could not be written</source>
        <translation>Les fiches n&apos;ont pas pu être écrites</translation>
    </message>
    <message>
        <source>The record could not be saved</source>
        <translation>La fiche n&apos;a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>The server did not say whether the record was saved</source>
        <translation>Le serveur n’a pas dit si la fiche a été enregistrée</translation>
    </message>
    <message>
        <source>The server did not say whether the record was removed</source>
        <translation>Le serveur n’a pas dit si la fiche a été supprimée</translation>
    </message>
    <message>
        <source>The server did not say whether the record was put back</source>
        <translation>Le serveur n’a pas dit si la fiche a été remise en place</translation>
    </message>
</context>
<context>
    <name>DowsingTools</name>
    <message>
        <source>Dowsing Records</source>
        <extracomment>The title of the PDF file of every record&apos;s sheet.</extracomment>
        <translation>Fiches de radiesthésie</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Find Records…</source>
        <translation>&amp;Rechercher des fiches…</translation>
    </message>
    <message>
        <source>Export Records to &amp;CSV…</source>
        <translation>Exporter les fiches en &amp;CSV…</translation>
    </message>
    <message>
        <source>Export Records to &amp;PDF…</source>
        <translation>Exporter les fiches en &amp;PDF…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view of All Records…</source>
        <translation>&amp;Aperçu avant impression de toutes les fiches…</translation>
    </message>
    <message>
        <source>Print Preview of Record &amp;Sheet…</source>
        <translation>Aperçu avant impression de la &amp;feuille de fiche…</translation>
    </message>
    <message>
        <source>CSV file | *.csv</source>
        <translation>Fichier CSV | *.csv</translation>
    </message>
    <message>
        <source>PDF file | *.pdf</source>
        <translation>Fichier PDF | *.pdf</translation>
    </message>
    <message>
        <source>The records were exported to<byte value="xd"/>
%1</source>
        <translation>Les fiches ont été exportées vers<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The records could not be exported to %1.<byte value="xd"/>
%2</source>
        <translation>Les fiches n&apos;ont pas pu être exportées vers %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Open a record on the record sheet first.</source>
        <translation>Ouvrez d&apos;abord une fiche dans la feuille de fiche.</translation>
    </message>
    <message>
        <source>&amp;Import Records from CSV…</source>
        <translation>&amp;Importer des fiches depuis un CSV…</translation>
    </message>
</context>
<context>
    <name>Exports</name>
    <message>
        <source>The pages could not be drawn.</source>
        <translation>Les pages n&apos;ont pas pu être dessinées.</translation>
    </message>
</context>
<context>
    <name>MDIDowsingForm1</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo Deletion of “%1”</source>
        <translation>&amp;Annuler la suppression de « %1 »</translation>
    </message>
    <message>
        <source>“%1” is back as record number %2: another record has taken its number meanwhile.</source>
        <translation>« %1 » est de retour comme fiche numéro %2 : une autre fiche a pris son numéro entre-temps.</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>fiche %1</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>The manual cannot be shown: its pages are not installed with the program (%1).</source>
        <translation>Le manuel ne peut pas être affiché : ses pages ne sont pas installées avec le programme (%1).</translation>
    </message>
    <message>
        <source>Velloran &amp;Manual</source>
        <translation>&amp;Manuel de Velloran</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>&amp;Keep Theirs</source>
        <translation>&amp;Garder la leur</translation>
    </message>
    <message>
        <source>&amp;Save Mine</source>
        <translation>&amp;Enregistrer la mienne</translation>
    </message>
    <message>
        <source>Save Mine as &amp;New</source>
        <translation>Enregistrer la mienne comme &amp;nouvelle</translation>
    </message>
    <message>
        <source>Save as &amp;New Record</source>
        <translation>Enregistrer comme &amp;nouvelle fiche</translation>
    </message>
    <message>
        <source>&amp;Leave It Removed</source>
        <translation>&amp;Laisser supprimée</translation>
    </message>
</context>
<context>
    <name>PaganFestivals</name>
    <message>
        <source></source>
        <comment>A festival&apos;s name as the month view lists it under its date. Keep the names of festivals, gods, goddesses and heroes as the traditions write them (Imbolc, Beltane, Samhain, Lughnasadh, Yule, Litha, Eostre, Danu, Cernunnos, Rhiannon, Epona, Cerridwen, Taliesin, Llyr, Lugh, Merlin, Braciaca, Bellisama, Merriddyn, Raud, Loki, Fontus); translate the rest, and write the day counts and dates as your language does (&quot;(4 DAYS) 3rd March Onward&quot;). Capitals in the English mark the great festivals: keep them in capitals.</comment>
        <translation></translation>
    </message>
    <message>
        <source>Day of Braciaca(2 DAYS)23rd Onward</source>
        <translation>Jour de Braciaca (2 jours) à partir du 23</translation>
    </message>
    <message>
        <source>Raud the Strong`s Day</source>
        <translation>Jour de Raud le Fort</translation>
    </message>
    <message>
        <source>IMBOLC</source>
        <translation>IMBOLC</translation>
    </message>
    <message>
        <source>Festival of Love : Danu and cernunnos(9 DAYS) 13th Feb Onward</source>
        <translation>Fête de l&apos;amour : Danu et Cernunnos (9 jours) à partir du 13 févr.</translation>
    </message>
    <message>
        <source>Day of Merriddyn</source>
        <translation>Jour de Merriddyn</translation>
    </message>
    <message>
        <source>Feast of Merlin</source>
        <translation>Fête de Merlin</translation>
    </message>
    <message>
        <source>Lesser Mysteries of Rhiannon (4 DAYS) 3rd March Onward</source>
        <translation>Petits Mystères de Rhiannon (4 jours) à partir du 3 mars</translation>
    </message>
    <message>
        <source>SPRING EQUINOX-(Eostre) and the start of the Rites of wine and Pleasure(5 DAYS)</source>
        <translation>ÉQUINOXE DE PRINTEMPS (Eostre) et début des Rites du vin et du plaisir (5 jours)</translation>
    </message>
    <message>
        <source>BELTANE- and day of cernunnos</source>
        <translation>BELTANE et jour de Cernunnos</translation>
    </message>
    <message>
        <source>Loki&apos;s day</source>
        <translation>Jour de Loki</translation>
    </message>
    <message>
        <source>Day of Dark Goddess</source>
        <translation>Jour de la Déesse sombre</translation>
    </message>
    <message>
        <source>Bank Holiday</source>
        <translation>Jour férié</translation>
    </message>
    <message>
        <source>Rites of Harvest (10 DAYS) 5th June Onward</source>
        <translation>Rites de la moisson (10 jours) à partir du 5 juin</translation>
    </message>
    <message>
        <source>Feast of Epona</source>
        <translation>Fête d&apos;Epona</translation>
    </message>
    <message>
        <source>Festival of the Birds (6 DAYS) 17 June Onwards</source>
        <translation>Fête des oiseaux (6 jours) à partir du 17 juin</translation>
    </message>
    <message>
        <source>MIDSUMMER-(Litha)</source>
        <translation>SOLSTICE D&apos;ÉTÉ (Litha)</translation>
    </message>
    <message>
        <source>Well Blessing Rites to the Water Goddess</source>
        <translation>Rites de bénédiction des puits en l&apos;honneur de la Déesse des eaux</translation>
    </message>
    <message>
        <source>Feast of cerridwen</source>
        <translation>Fête de Cerridwen</translation>
    </message>
    <message>
        <source>Festival of the Forest Spirits (3 DAYS) 19th July Onward</source>
        <translation>Fête des esprits de la forêt (3 jours) à partir du 19 juillet</translation>
    </message>
    <message>
        <source>LUGHNASADH</source>
        <translation>LUGHNASADH</translation>
    </message>
    <message>
        <source>Day of Lugh</source>
        <translation>Jour de Lugh</translation>
    </message>
    <message>
        <source>Day of the Queen of Heaven</source>
        <translation>Jour de la Reine du Ciel</translation>
    </message>
    <message>
        <source>Feast of the Late Wine</source>
        <translation>Fête du vin tardif</translation>
    </message>
    <message>
        <source>Festival of the Heroes (4 DAYS) 22nd August Onward</source>
        <translation>Fête des héros (4 jours) à partir du 22 août</translation>
    </message>
    <message>
        <source>Birth of the Mother</source>
        <translation>Naissance de la Mère</translation>
    </message>
    <message>
        <source>AUTUMN EQUINOX</source>
        <translation>ÉQUINOXE D&apos;AUTOMNE</translation>
    </message>
    <message>
        <source>Greater Mysteries of llyr (5 DAYS) 24 th Sept Onward</source>
        <translation>Grands Mystères de Llyr (5 jours) à partir du 24 sept.</translation>
    </message>
    <message>
        <source>Birth of Taliesin</source>
        <translation>Naissance de Taliesin</translation>
    </message>
    <message>
        <source>SAMHAIN</source>
        <translation>SAMHAIN</translation>
    </message>
    <message>
        <source>Fontus festival</source>
        <translation>Fête de Fontus</translation>
    </message>
    <message>
        <source>Feast of Ancestors</source>
        <translation>Fête des ancêtres</translation>
    </message>
    <message>
        <source>Feast of Gods of Harvest and hunt(3 DAYS)</source>
        <translation>Fête des dieux de la moisson et de la chasse (3 jours)</translation>
    </message>
    <message>
        <source>Feast of Rhiannon</source>
        <translation>Fête de Rhiannon</translation>
    </message>
    <message>
        <source>day of Bellisama</source>
        <translation>Jour de Bellisama</translation>
    </message>
    <message>
        <source>Festival of Lights</source>
        <translation>Fête des lumières</translation>
    </message>
    <message>
        <source>YULE</source>
        <translation>YULE</translation>
    </message>
    <message>
        <source>Yuletide Tree and Elder Festival</source>
        <translation>Fête de l&apos;arbre de Yule et du sureau</translation>
    </message>
    <message>
        <source>Festival of Wine and pleasure (4 DAYS) 28th Dec Onward</source>
        <translation>Fête du vin et du plaisir (4 jours) à partir du 28 déc.</translation>
    </message>
    <message>
        <source>Festival of Wine and pleasure (4 DAYS) 28th December Onward</source>
        <translation>Fête du vin et du plaisir (4 jours) à partir du 28 décembre</translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <extracomment>How the month view writes a festival&apos;s date above its name, as a date format of Qt&apos;s QDate::toString (MMMM the month&apos;s name, d the day, yyyy the year), in the order and with the words your language uses.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>PaganLore</name>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Spirit</source>
        <translation>Esprit</translation>
    </message>
    <message>
        <source>The term Pagan is taken from the Latin word &apos;Paganus&apos;, meaning a dweller of the countryside. Today it names the many nature based faiths that honour the old gods and goddesses, the turning seasons and the living earth, and that hold all of nature to be sacred.</source>
        <extracomment>On the Pagan Information tab, and above the festive seasons.</extracomment>
        <translation>Le mot « païen » vient du latin « paganus », qui désignait l&apos;habitant des campagnes. Il désigne aujourd&apos;hui les nombreuses spiritualités fondées sur la nature qui honorent les anciens dieux et déesses, le cycle des saisons et la terre vivante, et qui tiennent la nature tout entière pour sacrée.</translation>
    </message>
    <message>
        <source>The oldest known religion to humanity is Paganism. Long before temples and scriptures, people watched the sun rise and set, the moon grow and fade and the crops come and go, and they saw the hand of the divine in all of it. Paganism has no single founder, no single holy book and no central church. It is a family of traditions that share a deep respect for nature and a belief that the sacred can be found in the land, the sky, the sea and in every living creature. Many Pagans honour both a god and a goddess, or a whole company of gods, and they mark the year with festivals that follow the seasons. Pagans value personal experience, freedom of belief and living in balance with the world, and they respect other paths.</source>
        <extracomment>On the Pagan Information tab.</extracomment>
        <translation>Le paganisme est la plus ancienne religion connue de l&apos;humanité. Bien avant les temples et les écritures saintes, les hommes regardaient le soleil se lever et se coucher, la lune croître et décroître, les récoltes venir et passer, et ils voyaient en toute chose la main du divin. Le paganisme n&apos;a ni fondateur unique, ni livre saint unique, ni Église centrale. C&apos;est une famille de traditions qui partagent un profond respect de la nature et la conviction que le sacré se trouve dans la terre, le ciel, la mer et en chaque créature vivante. Beaucoup de païens honorent à la fois un dieu et une déesse, ou tout un panthéon, et rythment l&apos;année de fêtes qui suivent les saisons. Les païens attachent du prix à l&apos;expérience personnelle, à la liberté de croyance et à une vie en équilibre avec le monde, et ils respectent les autres voies.</translation>
    </message>
    <message>
        <source>One of the most significant things in the ancient Anglo-Saxon culture is the old pagan calendar. It did not count the days by the sun alone, as our calendar does, but by the moon and the seasons together. A month began with a new moon, and the names of the months told people what work the season asked of them and which powers were honoured. The year was split into two great halves, winter and summer, and the turning points between them were kept as holy days with fires, feasts and offerings. Midwinter, the time of the longest night, was the start of the year, and the nights before it were thought to be full of spirits and ancestors who walked close to the living. As the year went on, farmers watched the calendar to know when to plough, when to sow and when to gather the harvest. Because twelve moons fall short of a full solar year, an extra month was added to keep the feasts in step with the seasons. Much of this calendar lives on today in the names of our weekdays and in festivals such as Easter and Yule. Choose a month and year on this page and Velloran will show you the pagan festivals that fall in that month, so that you can plan your own rites and celebrations ahead of time.</source>
        <extracomment>On the Pagan Calendar tab, beside the month and year.</extracomment>
        <translation>L&apos;ancien calendrier païen est l&apos;un des trésors les plus marquants de l&apos;antique culture anglo-saxonne. Il ne comptait pas les jours d&apos;après le seul soleil, comme le fait notre calendrier, mais d&apos;après la lune et les saisons à la fois. Chaque mois commençait à la nouvelle lune, et le nom des mois disait aux gens quels travaux la saison leur demandait et quelles puissances on honorait. L&apos;année se partageait en deux grandes moitiés, l&apos;hiver et l&apos;été, et les tournants entre elles étaient fêtés comme des jours saints, avec des feux, des festins et des offrandes. Le cœur de l&apos;hiver, temps de la nuit la plus longue, marquait le début de l&apos;année, et l&apos;on croyait les nuits qui le précédaient peuplées d&apos;esprits et d&apos;ancêtres qui marchaient tout près des vivants. Au fil de l&apos;année, les paysans consultaient le calendrier pour savoir quand labourer, quand semer et quand rentrer la moisson. Comme douze lunes ne font pas tout à fait une année solaire, on ajoutait un mois supplémentaire pour garder les fêtes en accord avec les saisons. Une grande partie de ce calendrier survit aujourd&apos;hui dans les noms anglais des jours de la semaine et dans des fêtes comme Pâques (Easter en anglais) et Yule. Choisissez un mois et une année sur cette page : Velloran vous montrera les fêtes païennes qui tombent ce mois-là, pour que vous puissiez préparer à l&apos;avance vos propres rites et célébrations.</translation>
    </message>
    <message>
        <source>This is generally celebrated during the winter time i.e. from December 23-25. Yule marks the winter solstice, the longest night of the year, after which the sun returns and the days begin to grow longer. Pagans light candles and fires to welcome the light, bring evergreen branches into the home as a sign of lasting life, and share food, gifts and stories with their loved ones.</source>
        <extracomment>Festive season tab &quot;Yule&quot;.</extracomment>
        <translation>Cette fête se célèbre en général en hiver, du 23 au 25 décembre. Yule marque le solstice d&apos;hiver, la nuit la plus longue de l&apos;année, après laquelle le soleil revient et les jours commencent à rallonger. Les païens allument des bougies et des feux pour accueillir la lumière, rapportent dans la maison des branches toujours vertes en signe de vie qui perdure, et partagent repas, cadeaux et histoires avec leurs proches.</translation>
    </message>
    <message>
        <source>This day is observed on 2nd February as the birthday of Brigid - the goddess of inspiration and fire. It is also called Imbolc, the first stirring of spring, when the ewes give milk and the earth begins to wake. Candles are lit in every window of the house, homes are swept, and new plans and promises are made.</source>
        <extracomment>Festive season tab &quot;Candlemas&quot;.</extracomment>
        <translation>Ce jour, la Chandeleur, est célébré le 2 février comme l&apos;anniversaire de Brigid, déesse de l&apos;inspiration et du feu. On l&apos;appelle aussi Imbolc : c&apos;est le premier frémissement du printemps, quand les brebis donnent leur lait et que la terre commence à s&apos;éveiller. On allume des bougies à chaque fenêtre de la maison, on balaie les foyers, et l&apos;on forme de nouveaux projets et de nouvelles promesses.</translation>
    </message>
    <message>
        <source>Observed within March 20-23, this day is the start of the Pagan year of springs. At the spring equinox day and night stand in balance. Eggs, hares and fresh spring blooms are the signs of this festival, which honours new life, fertility and the green growth returning to the fields.</source>
        <extracomment>Festive season tab &quot;Eostar&quot;.</extracomment>
        <translation>Célébré entre le 20 et le 23 mars, ce jour marque le début du printemps dans l&apos;année païenne. À l&apos;équinoxe de printemps, le jour et la nuit s&apos;équilibrent. Les œufs, les lièvres et les premières fleurs du printemps sont les symboles de cette fête, qui honore la vie nouvelle, la fertilité et la verdure qui revient dans les champs.</translation>
    </message>
    <message>
        <source>Also known as the Halloween, this day is celebrated on October 31st. Samhain ends the harvest and opens the dark half of the year. It is said that on this night the veil between the world of the living and the world of the dead is at its thinnest, so Pagans remember their ancestors, set a place for them at the table and light bonfires to guide the spirits safely home.</source>
        <extracomment>Festive season tab &quot;Samhain&quot;.</extracomment>
        <translation>Aussi appelé Halloween, ce jour est célébré le 31 octobre. Samhain clôt les moissons et ouvre la moitié sombre de l&apos;année. On dit que cette nuit-là, le voile entre le monde des vivants et celui des morts est au plus mince : les païens se souviennent alors de leurs ancêtres, leur dressent une place à table et allument de grands feux pour guider les esprits jusque chez eux sans encombre.</translation>
    </message>
    <message>
        <source>Though the period from September 20-23 is observed as a holiday, but this day is not so widely celebrated and looked upon. It is the autumn equinox and the second harvest.</source>
        <extracomment>Festive season tab &quot;Mabon&quot;.</extracomment>
        <translation>Bien que la période du 20 au 23 septembre soit observée comme une fête, ce jour est moins largement célébré et moins considéré que d&apos;autres. C&apos;est l&apos;équinoxe d&apos;automne et la seconde moisson.</translation>
    </message>
    <message>
        <source>Observed during the summer time i.e. from June 20-23, this festival is held on the longest day. At midsummer the sun stands at the height of its power, and Pagans gather to greet the sunrise, light bonfires on the hills and leap the flames for luck. Herbs gathered at this time are thought to be at their strongest, and it is a joyful time for weddings, music and dancing under the open skies.</source>
        <extracomment>Festive season tab &quot;Litha&quot;.</extracomment>
        <translation>Célébrée en été, du 20 au 23 juin, cette fête a lieu le jour le plus long de l&apos;année. Au solstice d&apos;été, le soleil est au sommet de sa puissance : les païens se rassemblent pour saluer son lever, allument des feux sur les collines et sautent par-dessus les flammes pour s&apos;attirer la chance. On tient les herbes cueillies à cette époque pour les plus puissantes, et c&apos;est un temps joyeux, propice aux mariages, à la musique et aux danses à ciel ouvert.</translation>
    </message>
    <message>
        <source>The most important festive for the Pagans after Samhain. Beltan falls on the eve of May and welcomes the bright half of the year. Two great fires were lit and the cattle were driven between them to guard them before they went out to their summer pastures. Young people rose early to gather flowers and green branches, a maypole was raised in the village, and people danced around it. It is a festival of fertility, love and growth, when the god and goddess are joined and the land springs to life.</source>
        <extracomment>Festive season tab &quot;Beltan&quot;.</extracomment>
        <translation>La fête la plus importante pour les païens après Samhain. Beltan tombe la veille du 1er mai et accueille la moitié lumineuse de l&apos;année. On allumait deux grands feux et l&apos;on faisait passer le bétail entre eux pour le protéger avant de le mener aux pâturages d&apos;été. Les jeunes gens se levaient tôt pour cueillir des fleurs et des rameaux verts, on dressait un mât de mai au village et l&apos;on dansait tout autour. C&apos;est une fête de la fertilité, de l&apos;amour et de la croissance, où le dieu et la déesse s&apos;unissent et où la terre s&apos;éveille à la vie.</translation>
    </message>
    <message>
        <source>1st August is the day of Lughnasad. It is the first of the harvest festivals and is named after the god Lugh. The first corn is cut and baked into bread, and people give thanks for the earth&apos;s gifts.</source>
        <extracomment>Festive season tab &quot;Lughnasad&quot;.</extracomment>
        <translation>Le 1er août est le jour de Lughnasad. C&apos;est la première des fêtes de la moisson, et elle porte le nom du dieu Lugh. On coupe les premiers blés pour en cuire du pain, et l&apos;on rend grâce pour les dons de la terre.</translation>
    </message>
    <message>
        <source>This is the element which is associated with the North direction. Earth is the ground under our feet, the rock, the soil and the hills, and it stands for stability, strength, patience and growth. It is the element of the body and of all things that can be touched, of wealth, homes and family. Its season is winter, its time of day is midnight, and its colours are green, brown and black. In ritual it is shown by a dish of salt, a stone, a crystal or a bowl of earth, and on the altar by the pentacle. Earth is linked to the bull and to trees that stand firm in every storm. Pagans call on Earth when they wish to ground themselves, to find a steady footing, to protect their home or to bring prosperity and healing. It reminds us that we are part of nature, not apart from it.</source>
        <extracomment>Element tab &quot;Earth&quot;.</extracomment>
        <translation>C&apos;est l&apos;élément associé au Nord. La Terre, c&apos;est le sol sous nos pieds, la roche, l&apos;humus et les collines ; elle représente la stabilité, la force, la patience et la croissance. C&apos;est l&apos;élément du corps et de tout ce qui se touche, de la richesse, du foyer et de la famille. Sa saison est l&apos;hiver, son heure minuit, et ses couleurs sont le vert, le brun et le noir. Dans les rituels, on la représente par une coupelle de sel, une pierre, un cristal ou un bol de terre, et sur l&apos;autel par le pentacle. La Terre est liée au taureau et aux arbres qui tiennent bon dans toutes les tempêtes. Les païens invoquent la Terre lorsqu&apos;ils veulent s&apos;ancrer, trouver un appui solide, protéger leur maison ou attirer la prospérité et la guérison. Elle nous rappelle que nous faisons partie de la nature au lieu d&apos;en être séparés.</translation>
    </message>
    <message>
        <source>This is the element which is associated with the East direction. Air is the breath of life and the wind that carries seeds and songs across the land. It stands for the mind, thought, learning, memory and speech, and for new beginnings, just as each day begins when the sun rises in the East. Its season is spring, its time of day is dawn, and its colours are yellow and pale blue. In ritual it is shown by incense smoke, a feather or a bell, and on the altar by the wand or the athame. Birds are its creatures. Pagans call upon Air for clear thinking, for inspiration, for travel and for the right words.</source>
        <extracomment>Element tab &quot;Air&quot;.</extracomment>
        <translation>C&apos;est l&apos;élément associé à l&apos;Est. L&apos;Air est le souffle de la vie et le vent qui porte les graines et les chants à travers le pays. Il représente l&apos;intellect, la pensée, l&apos;étude, la mémoire et la parole, ainsi que les commencements, de même que chaque jour commence lorsque le soleil se lève à l&apos;Est. Sa saison est le printemps, son heure l&apos;aube, et ses couleurs sont le jaune et le bleu pâle. Dans les rituels, on le représente par la fumée de l&apos;encens, une plume ou une clochette, et sur l&apos;autel par la baguette ou l&apos;athamé. Les oiseaux sont ses créatures. Les païens invoquent l&apos;Air pour avoir les idées claires, pour l&apos;inspiration, pour les voyages et pour trouver les mots justes.</translation>
    </message>
    <message>
        <source>Fire is the element of Energy; it also represents action and activeness. It is linked to the South direction, to the heat of summer and to the midday sun. Fire gives light and warmth, it cooks our food and forges tools, but it can also destroy. It stands for will, courage, passion, desire and change, for the spark that turns an idea into a deed. Its colours are red, orange and gold. In ritual it is shown by a candle, a lamp or a bonfire, and on the altar by the athame or the wand. The lion, the salamander and the dragon are its creatures. Pagans call upon Fire when they need strength to act, when they want to burn off old habits and fears, and when they seek purification. Many festivals are marked by fires on the hills, for Fire is a sign of the sun and of life itself.</source>
        <extracomment>Element tab &quot;Fire&quot;.</extracomment>
        <translation>Le Feu est l&apos;élément de l&apos;énergie ; il représente aussi l&apos;action et le dynamisme. Il est lié au Sud, à la chaleur de l&apos;été et au soleil de midi. Le Feu donne la lumière et la chaleur, il cuit nos aliments et forge nos outils, mais il peut aussi détruire. Il représente la volonté, le courage, la passion, le désir et le changement : l&apos;étincelle qui change une idée en acte. Ses couleurs sont le rouge, l&apos;orange et l&apos;or. Dans les rituels, on le représente par une bougie, une lampe ou un grand feu, et sur l&apos;autel par l&apos;athamé ou la baguette. Le lion, la salamandre et le dragon sont ses créatures. Les païens invoquent le Feu lorsqu&apos;ils ont besoin de force pour agir, lorsqu&apos;ils veulent brûler leurs vieilles habitudes et leurs peurs, et lorsqu&apos;ils cherchent la purification. Bien des fêtes sont marquées par des feux sur les collines, car le Feu est un signe du soleil et de la vie elle-même.</translation>
    </message>
    <message>
        <source>This is the element which is associated with the West direction. Water is found in rivers, lakes, wells, rain and the great sea, and in the blood and tears of every living being. It stands for feelings, love, dreams, intuition and healing, and for the hidden depths of the mind. Its season is autumn, its time of day is dusk, when the sun sets in the West, and its colours are blue, silver and sea green. In ritual it is shown by a bowl of water or a shell, and on the altar by the cup or chalice. Fish, dolphins and water birds are its creatures. The sacred wells and springs were honoured by the old Pagans, and offerings were left there. Pagans call upon Water for cleansing, for healing of the heart, for friendship and for seeing what lies beneath the surface.</source>
        <extracomment>Element tab &quot;Water&quot;.</extracomment>
        <translation>C&apos;est l&apos;élément associé à l&apos;Ouest. L&apos;Eau se trouve dans les rivières, les lacs, les puits, la pluie et la vaste mer, et dans le sang et les larmes de tout être vivant. Elle représente les sentiments, l&apos;amour, les rêves, l&apos;intuition et la guérison, ainsi que les profondeurs cachées de l&apos;esprit. Sa saison est l&apos;automne, son heure le crépuscule, quand le soleil se couche à l&apos;Ouest, et ses couleurs sont le bleu, l&apos;argent et le vert d&apos;eau. Dans les rituels, on la représente par un bol d&apos;eau ou un coquillage, et sur l&apos;autel par la coupe ou le calice. Les poissons, les dauphins et les oiseaux aquatiques sont ses créatures. Les anciens païens honoraient les puits et les sources sacrés, et y déposaient des offrandes. Les païens invoquent l&apos;Eau pour la purification, pour guérir le cœur, pour l&apos;amitié et pour voir ce qui se cache sous la surface.</translation>
    </message>
    <message>
        <source>This is the element which is associated with the center; the element which is associated with the realm of the gods. Spirit, also called Aether, is the fifth element, the one that binds Earth, Air, Fire and Water together and lives in all of them. It has no one direction, for it is everywhere, above, below and within. It is shown as the top point of the pentagram, and its colours are white and violet. Pagans call upon Spirit to feel their link with the divine and with all of life.</source>
        <extracomment>Element tab &quot;Spirit&quot;.</extracomment>
        <translation>C&apos;est l&apos;élément associé au centre, l&apos;élément associé au royaume des dieux. L&apos;Esprit, que l&apos;on appelle aussi Éther, est le cinquième élément : celui qui unit la Terre, l&apos;Air, le Feu et l&apos;Eau et qui vit en chacun d&apos;eux. Il n&apos;a pas de direction propre, car il est partout, au-dessus, au-dessous et au-dedans. On le représente par la pointe supérieure du pentagramme, et ses couleurs sont le blanc et le violet. Les païens invoquent l&apos;Esprit pour ressentir leur lien avec le divin et avec toute vie.</translation>
    </message>
    <message>
        <source>Angus is the son of Dagda. He is the young god of love, youth and beauty, and four birds flew around his head, whose kisses became the songs of lovers. He dreamt of a maiden named Caer and searched for her for a whole year, finding her at last in the form of a swan. He became a swan himself to join her, and together they flew to his home, the Brugh on the river Boyne.</source>
        <extracomment>God tab &quot;Angus of the Brugh&quot;.</extracomment>
        <translation>Angus est le fils du Dagda. C&apos;est le jeune dieu de l&apos;amour, de la jeunesse et de la beauté ; quatre oiseaux voletaient autour de sa tête, et leurs baisers devenaient les chants des amoureux. Il rêva d&apos;une jeune fille nommée Caer et la chercha pendant une année entière, pour la trouver enfin sous la forme d&apos;un cygne. Il se changea lui-même en cygne pour la rejoindre, et ensemble ils s&apos;envolèrent jusqu&apos;à sa demeure, le Brugh, au bord de la Boyne.</translation>
    </message>
    <message>
        <source>The god of virility flanked by the ram-headed serpent and a stag. Cernunnos is the horned god of the forest and of wild animals, and he is shown seated with crossed legs, with antlers on his head and a torc around his neck. He is the lord of nature, of plenty and of the hunt, and he keeps the gate between life and death. Pagans honour him as the partner of the Goddess and the father of all living things.</source>
        <extracomment>God tab &quot;Cernunnos&quot;.</extracomment>
        <translation>Le dieu de la virilité, flanqué du serpent à tête de bélier et d&apos;un cerf. Cernunnos est le dieu cornu de la forêt et des animaux sauvages ; on le représente assis en tailleur, des bois de cerf sur la tête et un torque autour du cou. Il est le seigneur de la nature, de l&apos;abondance et de la chasse, et il garde la porte entre la vie et la mort. Les païens l&apos;honorent comme le compagnon de la Déesse et le père de tous les êtres vivants.</translation>
    </message>
    <message>
        <source>&quot;The Good God&apos; is the father of Angus. The Dagda was the chief of the Tuatha De Danann, the ancient gods of Ireland, and he was wise, strong and generous. He owned a great cauldron that was never empty, so that no one who came to him ever went away hungry, and a club that could kill nine men with one end and bring them back to life with the other. He also had a harp of oak whose music could change the seasons and move the hearts of all who heard it. He was the god of plenty, of the earth and of druid wisdom, and he was the lover of the Morrigan, whom he met at a river on the feast of Samhain.</source>
        <extracomment>God tab &quot;Dagda&quot;.</extracomment>
        <translation>« Le Dieu bon » est le père d&apos;Angus. Le Dagda était le chef des Tuatha Dé Danann, les anciens dieux d&apos;Irlande ; il était sage, fort et généreux. Il possédait un grand chaudron qui ne se vidait jamais, si bien que nul ne repartait de chez lui le ventre creux, et une massue qui pouvait tuer neuf hommes d&apos;un bout et leur rendre la vie de l&apos;autre. Il avait aussi une harpe de chêne dont la musique pouvait changer les saisons et émouvoir le cœur de tous ceux qui l&apos;entendaient. Il était le dieu de l&apos;abondance, de la terre et de la sagesse druidique, et l&apos;amant de la Morrigan, qu&apos;il rencontra au bord d&apos;une rivière à la fête de Samhain.</translation>
    </message>
    <message>
        <source>The healer god. Dian Cecht was the physician of the Tuatha De Danann. When King Nuada lost his hand in battle, Dian Cecht made him a new hand of silver that could move like a living one. He also blessed a well that healed the wounded warriors who were bathed in it, so that they could fight again. He was jealous of his son Miach, whose skill was even greater than his own. From the grave of Miach grew hundreds of healing herbs, one for each part of the body.</source>
        <extracomment>God tab &quot;Dian Cecht&quot;.</extracomment>
        <translation>Le dieu guérisseur. Dian Cecht était le médecin des Tuatha Dé Danann. Quand le roi Nuada perdit sa main au combat, Dian Cecht lui en fit une nouvelle, en argent, qui bougeait comme une main vivante. Il bénit aussi une source qui guérissait les guerriers blessés qu&apos;on y baignait, si bien qu&apos;ils pouvaient retourner au combat. Il était jaloux de son fils Miach, dont l&apos;art surpassait encore le sien. De la tombe de Miach poussèrent des centaines d&apos;herbes médicinales, une pour chaque partie du corps.</translation>
    </message>
    <message>
        <source>Originally a god of death and the underworld, later the chief god of the Gauls. He ruled the riches hidden under the ground, and the Gauls believed that they came from him.</source>
        <extracomment>God tab &quot;Dis Pater&quot;.</extracomment>
        <translation>D&apos;abord dieu de la mort et du monde souterrain, il devint plus tard le dieu principal des Gaulois. Il régnait sur les richesses cachées sous la terre, et les Gaulois croyaient descendre de lui.</translation>
    </message>
    <message>
        <source>The god of storms and thunders. Donn is the lord of the dead, who dwells on an island off the coast, where all souls go after death.</source>
        <extracomment>God tab &quot;Donn&quot;.</extracomment>
        <translation>Le dieu des tempêtes et du tonnerre. Donn est le seigneur des morts ; il demeure sur une île au large de la côte, où vont toutes les âmes après la mort.</translation>
    </message>
    <message>
        <source>The god of Gauls who is very often portrayed as woodcutter. He is shown cutting branches from a willow next to a bull and three cranes, and offerings were hung in sacred trees in his honour.</source>
        <extracomment>God tab &quot;Esus&quot;.</extracomment>
        <translation>Un dieu des Gaulois, très souvent représenté en bûcheron. On le voit couper les branches d&apos;un saule à côté d&apos;un taureau et de trois grues, et l&apos;on suspendait des offrandes aux arbres sacrés en son honneur.</translation>
    </message>
    <message>
        <source>The god of weapons and armors- the smith god. Govannon is the Welsh smith, a son of the goddess Don, and he is known in Ireland as Goibniu. His forge never cooled, and the spears and swords he made always struck true and did not break. He also brewed an ale that kept the gods young and free from sickness. Smiths were held in high honour by the old Pagans, for they could shape iron with fire as if by magic.</source>
        <extracomment>God tab &quot;Govannon&quot;.</extracomment>
        <translation>Le dieu des armes et des armures, le dieu forgeron. Govannon est le forgeron gallois, fils de la déesse Don ; en Irlande, on le connaît sous le nom de Goibniu. Sa forge ne refroidissait jamais, et les lances et les épées qu&apos;il fabriquait frappaient toujours juste et ne se brisaient pas. Il brassait aussi une bière qui gardait les dieux jeunes et à l&apos;abri de la maladie. Les anciens païens tenaient les forgerons en grand honneur, car ils savaient façonner le fer par le feu, comme par magie.</translation>
    </message>
    <message>
        <source>The sun god. Lug, called Lugh of the Long Arm, was a master of every art and craft: a warrior, a poet, a smith, a healer, a harpist and a magician all at once. He led the gods into battle against the Fomorians and won the day with a stone from his sling. His spear could never be defeated. The festival of Lughnasad at the start of August bears his name, and many towns across Europe were named in his honour.</source>
        <extracomment>God tab &quot;Lug or Lugh&quot;.</extracomment>
        <translation>Le dieu soleil. Lug, appelé Lugh au Long Bras, était maître en tous les arts et métiers : à la fois guerrier, poète, forgeron, guérisseur, harpiste et magicien. Il mena les dieux au combat contre les Fomoires et remporta la victoire grâce à une pierre lancée de sa fronde. Sa lance ne pouvait être vaincue. La fête de Lughnasad, au début du mois d&apos;août, porte son nom, et bien des villes d&apos;Europe furent nommées en son honneur.</translation>
    </message>
    <message>
        <source>He is the god of healing and water. Nuadhu was the first king of the Tuatha De Danann. He lost his hand in battle and, since a king had to be whole, he gave up his throne until Dian Cecht made him a hand of silver. In Britain he was known as Nodens, and a temple was built to him beside the river Severn, where the sick came from far and wide to seek a cure.</source>
        <extracomment>God tab &quot;Nuadhu or Nud/ Nodens/ Lud&quot;.</extracomment>
        <translation>C&apos;est le dieu de la guérison et des eaux. Nuadhu fut le premier roi des Tuatha Dé Danann. Il perdit sa main au combat et, comme un roi devait être sans défaut, il renonça à son trône jusqu&apos;à ce que Dian Cecht lui fasse une main d&apos;argent. En Grande-Bretagne, on le connaissait sous le nom de Nodens, et un temple lui fut élevé au bord de la Severn, où les malades venaient de toutes parts chercher la guérison.</translation>
    </message>
    <message>
        <source>The god of language, eloquence and genius. He is portrayed as an old man who leads a crowd of people with fine gold chains that run from his tongue to their ears, for wise words bind people more strongly than any rope.</source>
        <extracomment>God tab &quot;Ogmios&quot;.</extracomment>
        <translation>Le dieu du langage, de l&apos;éloquence et du génie. On le représente sous les traits d&apos;un vieillard qui entraîne une foule de gens au moyen de fines chaînes d&apos;or allant de sa langue à leurs oreilles, car les paroles sages lient les hommes plus solidement que n&apos;importe quelle corde.</translation>
    </message>
    <message>
        <source>He is the god of forest and agriculture. He is shown holding a long handled hammer and a pot, with a loyal dog beside him, and he brings good harvests and a plentiful supply of wine.</source>
        <extracomment>God tab &quot;Sucellus&quot;.</extracomment>
        <translation>C&apos;est le dieu de la forêt et de l&apos;agriculture. On le représente tenant un maillet à long manche et un pot, un chien fidèle à ses côtés ; il apporte de bonnes récoltes et du vin en abondance.</translation>
    </message>
    <message>
        <source>Arianrhod means Silver Circle; she is the Goddess of Virgin. She is a Welsh goddess of the moon and the stars, whose home is the castle Caer Arianrhod up in the northern sky. She turns the silver wheel of the heavens, which carries the souls of the dead, and she rules over fate, time and rebirth.</source>
        <extracomment>Goddess tab &quot;Arianrhod&quot;.</extracomment>
        <translation>Arianrhod signifie « Cercle d&apos;argent » ; elle est la Déesse vierge. C&apos;est une déesse galloise de la lune et des étoiles, dont la demeure, le château de Caer Arianrhod, se trouve tout là-haut dans le ciel du nord. Elle fait tourner la roue d&apos;argent des cieux, qui emporte les âmes des morts, et elle règne sur le destin, le temps et la renaissance.</translation>
    </message>
    <message>
        <source>The Goddess of war who is known to use her magic to decide war. Badb would often appear on the field of battle as a crow or a raven, and her wild cries filled her enemies with dread. Before a battle she might be seen as a washer woman at a ford, washing the armour of those who were about to die. She is one of the three sisters of the Morrigan, and she is linked with wisdom, life and death, and the endless cycle that joins them.</source>
        <extracomment>Goddess tab &quot;Badb&quot;.</extracomment>
        <translation>La déesse de la guerre, connue pour user de sa magie afin de décider de l&apos;issue des batailles. Badb apparaissait souvent sur le champ de bataille sous la forme d&apos;une corneille ou d&apos;un corbeau, et ses cris sauvages emplissaient ses ennemis d&apos;effroi. Avant une bataille, on pouvait la voir en lavandière au gué, lavant l&apos;armure de ceux qui allaient mourir. Elle est l&apos;une des trois sœurs de la Morrigan, et elle est liée à la sagesse, à la vie et à la mort, et au cycle sans fin qui les unit.</translation>
    </message>
    <message>
        <source>Brigit is the goddess of craftsmanship, healing and metalwork. She is also the goddess of poetry and of the hearth fire, and her festival of Imbolc at the start of February marks the first signs of spring. She was said to have two sisters, also named Brigit, so that she is one goddess and three at once. At her shrine in Kildare a holy fire was kept alight for centuries. Many wells across Ireland are named after her, and their waters are thought to heal. She protects mothers, children and farm animals.</source>
        <extracomment>Goddess tab &quot;Brighit or Brigit&quot;.</extracomment>
        <translation>Brigit est la déesse de l&apos;artisanat, de la guérison et du travail des métaux. Elle est aussi la déesse de la poésie et du feu du foyer, et sa fête, Imbolc, au début de février, annonce les premiers signes du printemps. On disait qu&apos;elle avait deux sœurs, nommées elles aussi Brigit, si bien qu&apos;elle est à la fois une seule déesse et trois. Dans son sanctuaire de Kildare, un feu sacré fut entretenu pendant des siècles. Bien des sources d&apos;Irlande portent son nom, et l&apos;on prête à leurs eaux le pouvoir de guérir. Elle protège les mères, les enfants et les animaux de la ferme.</translation>
    </message>
    <message>
        <source>The goddess of grains and corns. Caridwen is a Welsh goddess of magic and change who brewed a cauldron of insight for a year and a day. Three drops of it fell on young Gwion, who gained all its wisdom. She chased him through many shapes until she swallowed him as a grain of corn, and she later bore him again as the great bard Taliesin.</source>
        <extracomment>Goddess tab &quot;Caridwen or Hen Wen&quot;.</extracomment>
        <translation>La déesse des grains et des blés. Caridwen est une déesse galloise de la magie et de la transformation, qui fit mijoter pendant un an et un jour un chaudron de connaissance. Trois gouttes en tombèrent sur le jeune Gwion, qui reçut ainsi toute sa sagesse. Elle le poursuivit à travers bien des métamorphoses, jusqu&apos;à l&apos;avaler sous la forme d&apos;un grain de blé ; plus tard, elle le mit au monde une seconde fois, et il devint le grand barde Taliesin.</translation>
    </message>
    <message>
        <source>Danu is the Mother goddess. She is the mother of the Tuatha De Danann, whose name means the people of Danu. She is linked with the rivers, wind, wisdom and the fruitful earth, and the Danube river may bear her name. Many Pagans honour her as the great source of all life, wisdom and plenty.</source>
        <extracomment>Goddess tab &quot;Danu&quot;.</extracomment>
        <translation>Danu est la Déesse mère. Elle est la mère des Tuatha Dé Danann, dont le nom signifie « le peuple de Danu ». Elle est liée aux rivières, au vent, à la sagesse et à la terre féconde, et le Danube porte peut-être son nom. Beaucoup de païens l&apos;honorent comme la grande source de toute vie, de toute sagesse et de toute abondance.</translation>
    </message>
    <message>
        <source>The goddess of horse. Epona was honoured by the Gauls and later by the Roman cavalry, who carried her worship across the Empire. She is shown riding side saddle on a mare or sitting between two horses, often with a basket of fruit or grains in her lap. She protects horses, donkeys and mules and those who care for them, and she also guides the souls of the dead on their journey. Her feast fell on December 18th.</source>
        <extracomment>Goddess tab &quot;Epona&quot;.</extracomment>
        <translation>La déesse des chevaux. Epona était honorée par les Gaulois, puis par la cavalerie romaine, qui répandit son culte dans tout l&apos;Empire. On la représente montant en amazone une jument, ou assise entre deux chevaux, souvent avec une corbeille de fruits ou de grains sur les genoux. Elle protège les chevaux, les ânes et les mules, ainsi que ceux qui en prennent soin, et elle guide aussi les âmes des morts dans leur voyage. Sa fête tombait le 18 décembre.</translation>
    </message>
</context>
<context>
    <name>ServerCopy</name>
    <message>
        <source>Velloran uses the files on this computer</source>
        <translation>Velloran utilise les fichiers de cet ordinateur</translation>
    </message>
    <message>
        <source>The shared database could not be prepared</source>
        <translation>La base de données partagée n&apos;a pas pu être préparée</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>%1 n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>The shared database refused the rows of %1</source>
        <translation>La base de données partagée a refusé les lignes de %1</translation>
    </message>
    <message>
        <source>The copy could not be finished</source>
        <translation>La copie n&apos;a pas pu être terminée</translation>
    </message>
    <message>
        <source>The copy could not be committed</source>
        <translation>La copie n&apos;a pas pu être validée</translation>
    </message>
    <message>
        <source>The shared database could not be read</source>
        <translation>La base de données partagée n&apos;a pas pu être lue</translation>
    </message>
    <message>
        <source>Choose a shared database first (Tools &gt; Data Source…).</source>
        <translation>Choisissez d&apos;abord une base de données partagée (Outils &gt; Source de données…).</translation>
    </message>
    <message>
        <source>Copy the records and diary in %1 to the shared database %2?</source>
        <translation>Copier les fiches et le journal de %1 dans la base de données partagée %2 ?</translation>
    </message>
    <message>
        <source>The shared database %1 already holds %2 records and entries.<byte value="xd"/>
Add the records and diary in %3 to them, under new numbers?</source>
        <translation>La base de données partagée %1 contient déjà %2 fiches et entrées.<byte value="xd"/>
Y ajouter les fiches et le journal de %3, sous de nouveaux numéros ?</translation>
    </message>
    <message>
        <source>The records and diary were copied to the shared database %1.</source>
        <translation>Les fiches et le journal ont été copiés dans la base de données partagée %1.</translation>
    </message>
    <message>
        <source>Nothing was copied; the shared database is as it was.<byte value="xd"/>
</source>
        <translation>Rien n&apos;a été copié ; la base de données partagée est telle qu&apos;elle était.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>ServerDriver</name>
    <message>
        <source>the server did not answer within %1 seconds</source>
        <translation>le serveur n’a pas répondu en %1 secondes</translation>
    </message>
</context>
<context>
    <name>ServerSource</name>
    <message>
        <source>the PostgreSQL driver of Qt is not installed</source>
        <translation>le pilote PostgreSQL de Qt n&apos;est pas installé</translation>
    </message>
    <message>
        <source>its tables were made by a newer Velloran</source>
        <translation>ses tables ont été créées par une version plus récente de Velloran</translation>
    </message>
    <message>
        <source>it holds tables of another program</source>
        <translation>elle contient les tables d&apos;un autre programme</translation>
    </message>
    <message>
        <source>its tables are of version %1, not %2</source>
        <translation>ses tables sont de la version %1, et non %2</translation>
    </message>
    <message>
        <source>the count of %1 is missing</source>
        <translation>le décompte de %1 est manquant</translation>
    </message>
    <message>
        <source>the server still runs the session that lost its connection</source>
        <translation>le serveur fait encore tourner la session qui a perdu sa connexion</translation>
    </message>
</context>
<context>
    <name>SharedDatabase</name>
    <message>
        <source>&apos;%1&apos; is no postgresql:// address</source>
        <translation>« %1 » n&apos;est pas une adresse postgresql://</translation>
    </message>
    <message>
        <source>the address names no database</source>
        <translation>l&apos;adresse ne nomme aucune base de données</translation>
    </message>
    <message>
        <source>the address names no user</source>
        <translation>l&apos;adresse ne nomme aucun utilisateur</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no TLS mode</source>
        <translation>« %1 » n&apos;est pas un mode TLS</translation>
    </message>
</context>
<context>
    <name>SharedMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitez notre site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gagner de l&apos;argent en &amp;ligne</translation>
    </message>
</context>
<context>
    <name>SqliteFiles</name>
    <message>
        <source>the file is in use by another program; try again when it has finished</source>
        <translation>le fichier est utilisé par un autre programme ; réessayez quand il aura terminé</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 exists already</source>
        <translation>%1 existe déjà</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est manquant</translation>
    </message>
    <message>
        <source>the table %1 is missing</source>
        <translation>la table %1 est manquante</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source><byte value="xd"/>
When the other program has let go of it, choose Retry.</source>
        <translation><byte value="xd"/>
Quand l&apos;autre programme l&apos;aura libéré, choisissez « Réessayer ».</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Choose Retry once the server answers again.</source>
        <translation><byte value="xd"/>
Choisissez « Réessayer » dès que le serveur répond de nouveau.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Keep their version, save yours over it, or save yours as a new record?</source>
        <translation><byte value="xd"/>
Garder leur version, enregistrer la vôtre par-dessus, ou l&apos;enregistrer comme nouvelle fiche ?</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Retry looks again, and saves only what is not saved yet, once the server answers.</source>
        <translation><byte value="xd"/>
« Réessayer » vérifie à nouveau dès que le serveur répond, et n’enregistre que ce qui ne l’est pas encore.</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now</source>
        <translation>Le forum de discussion mystique en ligne le plus fréquenté. Cliquez ici pour visiter %1 dès maintenant</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>Le forum mystique en ligne le plus fréquenté. La meilleure ressource pour tout ce qui est mystique. Visitez %1 dès maintenant</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Associez ce logiciel à votre site.  Fidélisez vos visiteurs et attirez-en davantage. Placez ici le nom &amp;  le lien de votre site. Voir « Aide » pour les détails.    Cliquez ici pour en savoir plus sur le co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Une activité à domicile. Lancez votre propre entreprise sur Internet et gagnez de l&apos;argent en ligne. Obtenez ce logiciel entièrement à l&apos;image de votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible<byte value="xd"/>Voulez-vous rechercher une mise à jour ?</translation>
    </message>
</context>
<context>
    <name>VelloranShell</name>
    <message>
        <source>Application is already running</source>
        <translation>L&apos;application est déjà en cours d&apos;exécution</translation>
    </message>
</context>
<context>
    <name>WheelCalendarFile</name>
    <message>
        <source>%1 on its %2.</source>
        <extracomment>&quot;Imbolc on its traditional date.&quot;</extracomment>
        <translation>%1 à sa %2.</translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1 : %2, %3.</translation>
    </message>
    <message>
        <source>%1: %2, %3 %4 (%5).</source>
        <translation>%1 : %2, %3 %4 (%5).</translation>
    </message>
    <message>
        <source>%1 (traditional date)</source>
        <translation>%1 (date traditionnelle)</translation>
    </message>
    <message>
        <source>%1 (astronomical)</source>
        <translation>%1 (astronomique)</translation>
    </message>
    <message>
        <source>Wheel of the Year</source>
        <translation>Roue de l&apos;année</translation>
    </message>
</context>
<context>
    <name>WheelOfTheYear</name>
    <message>
        <source>Wolf Moon</source>
        <translation>Lune du loup</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Lune des neiges</translation>
    </message>
    <message>
        <source>Worm Moon</source>
        <translation>Lune des vers</translation>
    </message>
    <message>
        <source>Pink Moon</source>
        <translation>Lune rose</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Lune des fleurs</translation>
    </message>
    <message>
        <source>Strawberry Moon</source>
        <translation>Lune des fraises</translation>
    </message>
    <message>
        <source>Buck Moon</source>
        <translation>Lune du cerf</translation>
    </message>
    <message>
        <source>Sturgeon Moon</source>
        <translation>Lune de l&apos;esturgeon</translation>
    </message>
    <message>
        <source>Corn Moon</source>
        <translation>Lune du maïs</translation>
    </message>
    <message>
        <source>Hunter&apos;s Moon</source>
        <translation>Lune du chasseur</translation>
    </message>
    <message>
        <source>Beaver Moon</source>
        <translation>Lune du castor</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Lune froide</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Lune des moissons</translation>
    </message>
    <message>
        <source>March equinox, sun at %1°</source>
        <translation>équinoxe de mars, soleil à %1°</translation>
    </message>
    <message>
        <source>June solstice, sun at %1°</source>
        <translation>solstice de juin, soleil à %1°</translation>
    </message>
    <message>
        <source>September equinox, sun at %1°</source>
        <translation>équinoxe de septembre, soleil à %1°</translation>
    </message>
    <message>
        <source>December solstice, sun at %1°</source>
        <translation>solstice de décembre, soleil à %1°</translation>
    </message>
    <message>
        <source>sun at %1°</source>
        <translation>soleil à %1°</translation>
    </message>
    <message>
        <source>%1 (Blue Moon)</source>
        <translation>%1 (lune bleue)</translation>
    </message>
    <message>
        <source>traditional date</source>
        <translation>date traditionnelle</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>pleine lune</translation>
    </message>
    <message>
        <source>new moon</source>
        <translation>nouvelle lune</translation>
    </message>
</context>
<context>
    <name>WheelPicture</name>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>Le dossier %1 est en lecture seule.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Le fichier est en lecture seule.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Velloran is an advanced yet simple program that makes the user familiar to the lifestyle of the Pagans and the Wiccans. It offers an easy to use interface, which allows the user to get answers to all his personal queries that help him understand the Pagan culture. It is the ultimate Pagan software and is a must have online resource for all the pagans and the Wiccans which provides you with a whole lot of information related to the Pagan paths, pagan gods, goddesses, pagan festivals, pagan elements, the pagan calendar and much more. This tool also helps you maintain your Pagan diary.</source>
        <translation>Velloran est un programme avancé mais simple qui vous familiarise avec le mode de vie des païens et des wiccans. Son interface facile à utiliser vous apporte des réponses à vos questions personnelles pour mieux comprendre la culture païenne. C&apos;est le logiciel païen par excellence, une ressource indispensable pour tous les païens et les wiccans : une foule d&apos;informations sur les voies païennes, les dieux et déesses, les fêtes, les éléments, le calendrier païen et bien plus. Il vous aide aussi à tenir votre journal païen.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Activité à domicile : créez votre entreprise Internet et gagnez de l&apos;argent en ligne. Ce logiciel à l&apos;image de votre site.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visitez %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmDataSource</name>
    <message>
        <source>Data Source</source>
        <translation>Source de données</translation>
    </message>
    <message>
        <source>The &amp;files on this computer</source>
        <translation>Les &amp;fichiers de cet ordinateur</translation>
    </message>
    <message>
        <source>A shared &amp;PostgreSQL database</source>
        <translation>Une base de données &amp;PostgreSQL partagée</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>Pa&amp;rcourir…</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Hôte :</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort :</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>&amp;Base de données :</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Utilisateur :</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>&amp;TLS mode:</source>
        <translation>Mode &amp;TLS :</translation>
    </message>
    <message>
        <source>&amp;CA file:</source>
        <translation>Fichier &amp;CA :</translation>
    </message>
    <message>
        <source>T&amp;est Connection</source>
        <translation>T&amp;ester la connexion</translation>
    </message>
    <message>
        <source>Choose the CA file</source>
        <translation>Choisissez le fichier CA</translation>
    </message>
    <message>
        <source>The files on this computer need no connection.</source>
        <translation>Les fichiers de cet ordinateur n&apos;ont besoin d&apos;aucune connexion.</translation>
    </message>
    <message>
        <source>Connected to %1; it holds Velloran&apos;s records and diary.</source>
        <translation>Connecté à %1 ; la base contient les fiches et le journal de Velloran.</translation>
    </message>
    <message>
        <source>Connected to %1; the database is empty, and Velloran can make its tables there.</source>
        <translation>Connecté à %1 ; la base de données est vide, et Velloran peut y créer ses tables.</translation>
    </message>
    <message>
        <source>Connected to %1; its tables are from an earlier Velloran and can be brought up to date.</source>
        <translation>Connecté à %1 ; ses tables viennent d&apos;une version antérieure de Velloran et peuvent être mises à jour.</translation>
    </message>
    <message>
        <source>Connected to %1, but its tables were made by a newer Velloran.</source>
        <translation>Connecté à %1, mais ses tables ont été créées par une version plus récente de Velloran.</translation>
    </message>
    <message>
        <source>Connected to %1, but the database holds another program&apos;s tables.</source>
        <translation>Connecté à %1, mais la base de données contient les tables d&apos;un autre programme.</translation>
    </message>
    <message>
        <source>Fill in the host, the database and the user.</source>
        <translation>Indiquez l&apos;hôte, la base de données et l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>No secret store of the desktop keeps the password, so Velloran asks for it at each start.</source>
        <translation>Aucun trousseau du bureau ne conserve le mot de passe ; Velloran le demande donc à chaque démarrage.</translation>
    </message>
</context>
<context>
    <name>frmDiaryFind</name>
    <message>
        <source>Find in the Diary</source>
        <translation>Rechercher dans le journal</translation>
    </message>
    <message>
        <source>Search &amp;all four sections</source>
        <translation>Chercher dans les &amp;quatre sections</translation>
    </message>
    <message>
        <source>Save the entry you are adding or editing first.</source>
        <translation>Enregistrez d&apos;abord l&apos;entrée que vous ajoutez ou modifiez.</translation>
    </message>
    <message>
        <source>This entry is no longer in the diary.</source>
        <translation>Cette entrée n&apos;est plus dans le journal.</translation>
    </message>
    <message>
        <source>1 entry found</source>
        <translation>1 entrée trouvée</translation>
    </message>
    <message>
        <source>No entry found</source>
        <translation>Aucune entrée trouvée</translation>
    </message>
    <message>
        <source>%1 entries found; the first %2 are listed, more words find fewer</source>
        <translation>%1 entrées trouvées ; les %2 premières sont affichées, plus de mots en trouvent moins</translation>
    </message>
    <message>
        <source>%1 entries found</source>
        <translation>%1 entrées trouvées</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>Re&amp;chercher :</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Mot-clé</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>Entries found</source>
        <translation>Entrées trouvées</translation>
    </message>
</context>
<context>
    <name>frmDowsingAllRecord</name>
    <message>
        <source>There Is No Record !</source>
        <translation>Il n&apos;y a aucune fiche !</translation>
    </message>
    <message>
        <source>To Select Your Record, Move the Arrow Up and Down to the Chosen Row and  Double Click to See Complete Record Details. </source>
        <translation>Pour choisir une fiche, déplacez la flèche vers le haut ou le bas jusqu&apos;à la ligne voulue, puis double-cliquez pour voir tous ses détails. </translation>
    </message>
    <message>
        <source>Short Summary Of Dowsing Records</source>
        <translation>Résumé des fiches de radiesthésie</translation>
    </message>
    <message>
        <source>Dowsing Records</source>
        <translation>Fiches de radiesthésie</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
</context>
<context>
    <name>frmDowsingFind</name>
    <message>
        <source>Find Records</source>
        <translation>Rechercher des fiches</translation>
    </message>
    <message>
        <source>Type any words of a record or its date. Double click a record to see its sheet; click a column caption to sort.</source>
        <translation>Tapez des mots d&apos;une fiche ou sa date. Double-cliquez sur une fiche pour voir sa feuille ; cliquez sur un titre de colonne pour trier.</translation>
    </message>
    <message>
        <source>%1 records shown; scroll down for more</source>
        <translation>%1 fiches affichées ; faites défiler pour voir la suite</translation>
    </message>
    <message>
        <source>1 record found</source>
        <translation>1 fiche trouvée</translation>
    </message>
    <message>
        <source>No record found</source>
        <translation>Aucune fiche trouvée</translation>
    </message>
    <message>
        <source>%1 records found</source>
        <translation>%1 fiches trouvées</translation>
    </message>
    <message>
        <source>The records cannot be searched.<byte value="xd"/>
%1</source>
        <translation>Impossible de rechercher dans les fiches.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The next records found could not be read.<byte value="xd"/>
%1</source>
        <translation>Les fiches trouvées suivantes n&apos;ont pas pu être lues.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Making the search index of the records…</source>
        <translation>Création de l&apos;index de recherche des fiches…</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>Re&amp;chercher :</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%L1 records found; %L2 shown, scroll down for more</source>
        <translation>%L1 fiches trouvées ; %L2 affichées, faites défiler pour voir la suite</translation>
    </message>
    <message>
        <source>Words are looked for once the search index is made (%1% so far).</source>
        <translation>Les mots seront recherchés une fois l&apos;index de recherche créé (%1 % pour l&apos;instant).</translation>
    </message>
    <message>
        <source>Search index %p%</source>
        <translation>Index de recherche %p %</translation>
    </message>
    <message>
        <source>Search index made so far</source>
        <translation>Index de recherche créé jusqu&apos;ici</translation>
    </message>
    <message>
        <source>This record was deleted meanwhile.</source>
        <translation>Cette fiche a été supprimée entre-temps.</translation>
    </message>
</context>
<context>
    <name>frmDowsingMain</name>
    <message>
        <source>Required File Is Missing<byte value="xd"/>Please Reinstall Software</source>
        <translation>Un fichier nécessaire est manquant<byte value="xd"/>Veuillez réinstaller le logiciel</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet</source>
        <translation>Veuillez ne saisir que des lettres</translation>
    </message>
    <message>
        <source>Please Enter Number</source>
        <translation>Veuillez saisir un nombre</translation>
    </message>
    <message>
        <source>Please Enter Correct Email Address !</source>
        <translation>Veuillez saisir une adresse e-mail correcte !</translation>
    </message>
    <message>
        <source>Please Enter Dowsing Tool !</source>
        <translation>Veuillez saisir l&apos;instrument !</translation>
    </message>
    <message>
        <source>Please Enter Dowsing Item !</source>
        <translation>Veuillez saisir l&apos;objet recherché !</translation>
    </message>
    <message>
        <source>Record Saved Succesfully !</source>
        <translation>Fiche enregistrée avec succès !</translation>
    </message>
    <message>
        <source>Record Edited Succesfully !</source>
        <translation>Fiche modifiée avec succès !</translation>
    </message>
    <message>
        <source>The record was not saved.<byte value="xd"/>
%1.<byte value="xd"/>
Your entries are kept; try again when the problem is solved.</source>
        <translation>La fiche n&apos;a pas été enregistrée.<byte value="xd"/>
%1.<byte value="xd"/>
Vos saisies sont conservées ; réessayez quand le problème sera résolu.</translation>
    </message>
    <message>
        <source>There is no %1 %2 in %3.<byte value="xd"/>
Please choose another day; the record was not saved.</source>
        <extracomment>&quot;There is no 30 February in 2007.&quot;</extracomment>
        <translation>Le %1 %2 %3 n&apos;existe pas.<byte value="xd"/>
Veuillez choisir un autre jour ; la fiche n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>&amp;Add New Record</source>
        <translation>&amp;Ajouter une fiche</translation>
    </message>
    <message>
        <source>&amp;View All  Records</source>
        <translation>&amp;Voir toutes les fiches</translation>
    </message>
    <message>
        <source>Add New Record</source>
        <translation>Ajouter une fiche</translation>
    </message>
    <message>
        <source>Click On                                  To  Enter New Customer Details</source>
        <extracomment>The wide gap holds the button &quot;Add New Record&quot;; keep it as wide.</extracomment>
        <translation>Cliquez sur                                  pour saisir un nouveau client</translation>
    </message>
    <message>
        <source>Add New &amp;Record</source>
        <translation>&amp;Nouvelle fiche</translation>
    </message>
    <message>
        <source>Dowsing is one of the most ancient forms of divination and has been practised for around thousands of years, which detects things like underground water, hidden metal and treasures, oil, lost persons, etc. Quarrow is a divination software that allows you to keep a track of your different dowsing experiences in the form a dowsing diary. It helps you to know from a glance what customers you dowsed for, what were you trying to detect and other comments.</source>
        <translation>La radiesthésie est l&apos;une des plus anciennes formes de divination ; pratiquée depuis des milliers d&apos;années, elle détecte l&apos;eau souterraine, les métaux et trésors cachés, le pétrole, les personnes disparues, etc. Quarrow est un logiciel de divination qui garde la trace de vos expériences de radiesthésie sous la forme d&apos;un journal. Vous voyez d&apos;un coup d&apos;œil pour quels clients vous avez cherché, ce que vous cherchiez et vos autres remarques.</translation>
    </message>
    <message>
        <source>Just input your customer details  (his name, address, contact number and other additional notes) and enjoy your dowsing experience!</source>
        <translation>Saisissez simplement les données du client (nom, adresse, téléphone et autres notes) et profitez de votre radiesthésie !</translation>
    </message>
    <message>
        <source>&amp;View All Records</source>
        <translation>&amp;Toutes les fiches</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Enter Customer&apos;s Details:-</source>
        <translation>Coordonnées du client:-</translation>
    </message>
    <message>
        <source>Name:-</source>
        <translation>Nom:-</translation>
    </message>
    <message>
        <source>Address:-</source>
        <translation>Adresse:-</translation>
    </message>
    <message>
        <source>City:-</source>
        <translation>Ville:-</translation>
    </message>
    <message>
        <source>State:-</source>
        <translation>Région:-</translation>
    </message>
    <message>
        <source>Pin Number:-</source>
        <translation>Code postal:-</translation>
    </message>
    <message>
        <source>Phone Number:-</source>
        <translation>Téléphone:-</translation>
    </message>
    <message>
        <source>Email Address:-</source>
        <translation>E-mail:-</translation>
    </message>
    <message>
        <source>Location:-</source>
        <translation>Lieu:-</translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation>&amp;Suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>Tools And Item Used For Dowsing:-</source>
        <translation>Instrument et objet recherché:-</translation>
    </message>
    <message>
        <source>Dowsing Tool:-</source>
        <translation>Instrument:-</translation>
    </message>
    <message>
        <source>Enter The Name of The Dowsing Tool</source>
        <translation>Indiquez l&apos;instrument utilisé</translation>
    </message>
    <message>
        <source>Dowsing Tool</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Other dowsing tool</source>
        <translation>Autre instrument</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Dowsing Item:-</source>
        <translation>Objet recherché:-</translation>
    </message>
    <message>
        <source>Enter The Name of The Dowsing Item</source>
        <translation>Indiquez l&apos;objet recherché</translation>
    </message>
    <message>
        <source>Dowsing Item</source>
        <translation>Objet recherché</translation>
    </message>
    <message>
        <source>Other dowsing item</source>
        <translation>Autre objet recherché</translation>
    </message>
    <message>
        <source>Dowsing Date and Time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Dowsing Date:-</source>
        <translation>Date:-</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Dowsing Time:-</source>
        <translation>Heure:-</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
    <message>
        <source>AM or PM</source>
        <translation>Matin ou après-midi</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Back</source>
        <translation>&lt;&lt; &amp;Retour</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Mettre à jour</translation>
    </message>
    <message>
        <source>Someone else removed the record %1 while you were editing it.<byte value="xd"/>
Save what you typed as a new record, or leave it removed? What you typed stays in the window either way.</source>
        <translation>Quelqu’un d’autre a supprimé la fiche %1 pendant que vous la modifiiez.<byte value="xd"/>
Enregistrer votre saisie comme nouvelle fiche, ou la laisser supprimée ? Votre saisie reste dans la fenêtre dans les deux cas.</translation>
    </message>
</context>
<context>
    <name>frmDowsingSave</name>
    <message>
        <source>Rich Text Format | *.rtf </source>
        <translation>Texte enrichi (RTF) | *.rtf </translation>
    </message>
    <message>
        <source>There Is No Record to Edit</source>
        <translation>Il n&apos;y a aucune fiche à modifier</translation>
    </message>
    <message>
        <source>Sorry The Given Record Is Not Found</source>
        <translation>Désolé, la fiche demandée est introuvable</translation>
    </message>
    <message>
        <source>There Is No Record to Delete</source>
        <translation>Il n&apos;y a aucune fiche à supprimer</translation>
    </message>
    <message>
        <source>Do You Really Want To Delete This Record ?</source>
        <translation>Voulez-vous vraiment supprimer cette fiche ?</translation>
    </message>
    <message>
        <source>Record Deleted Succesfully !</source>
        <translation>Fiche supprimée avec succès !</translation>
    </message>
    <message>
        <source>The sheet could not be printed to %1.</source>
        <translation>La feuille n&apos;a pas pu être imprimée sur %1.</translation>
    </message>
    <message>
        <source>The sheet could not be saved as %1.<byte value="xd"/>
%2</source>
        <translation>La feuille n&apos;a pas pu être enregistrée sous %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The record was not deleted.<byte value="xd"/>
%1</source>
        <translation>La fiche n&apos;a pas été supprimée.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The record could not be read.<byte value="xd"/>
%1</source>
        <translation>La fiche n&apos;a pas pu être lue.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Record sheet</source>
        <translation>Feuille de fiche</translation>
    </message>
    <message>
        <source>&amp;Delete This Dowsing Record</source>
        <translation>&amp;Supprimer cette fiche</translation>
    </message>
    <message>
        <source>&amp;Edit This Dowsing Record</source>
        <translation>&amp;Modifier cette fiche</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>
Delete it all the same?</source>
        <translation>.<byte value="xd"/>
La supprimer quand même ?</translation>
    </message>
</context>
<context>
    <name>frmImportCsv</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import into %1 – %2</source>
        <extracomment>The import window&apos;s title: what the rows go into, and the file.</extracomment>
        <translation>Importer dans %1 – %2</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>Format du fichier</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgule</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Point-virgule</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Double quote (&quot;)</source>
        <translation>Guillemet double (&quot;)</translation>
    </message>
    <message>
        <source>Single quote (&apos;)</source>
        <translation>Apostrophe (&apos;)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>UTF-8 with BOM</source>
        <translation>UTF-8 avec BOM</translation>
    </message>
    <message>
        <source>UTF-16 LE with BOM</source>
        <translation>UTF-16 LE avec BOM</translation>
    </message>
    <message>
        <source>UTF-16 BE with BOM</source>
        <translation>UTF-16 BE avec BOM</translation>
    </message>
    <message>
        <source>%1 (your short date)</source>
        <translation>%1 (votre date courte)</translation>
    </message>
    <message>
        <source>First row &amp;names the columns</source>
        <translation>La première ligne &amp;nomme les colonnes</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Séparateur :</translation>
    </message>
    <message>
        <source>&amp;Quotes:</source>
        <translation>&amp;Guillemets :</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Encodage :</translation>
    </message>
    <message>
        <source>&amp;Dates:</source>
        <translation>&amp;Dates :</translation>
    </message>
    <message>
        <source>Column of the file for each field</source>
        <translation>Colonne du fichier pour chaque champ</translation>
    </message>
    <message>
        <source>The first rows, as they will be &amp;stored:</source>
        <translation>Les premières lignes, telles qu’elles seront &amp;enregistrées :</translation>
    </message>
    <message>
        <source>&amp;Leave out rows that are stored already (every field the same)</source>
        <translation>&amp;Laisser de côté les lignes déjà enregistrées (tous les champs identiques)</translation>
    </message>
    <message>
        <source>&amp;Lines that cannot be stored as they stand:</source>
        <translation>Lignes qui ne peuvent pas être enregistrées &amp;telles quelles :</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Import from CSV</source>
        <translation>Importer depuis un CSV</translation>
    </message>
    <message>
        <source>&amp;Undo Import of “%1”</source>
        <translation>&amp;Annuler l’importation de « %1 »</translation>
    </message>
    <message>
        <source>U&amp;ndo Import</source>
        <translation>Annuler l’i&amp;mportation</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Le fichier %1 n’a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>%1 (column %2)</source>
        <translation>%1 (colonne %2)</translation>
    </message>
    <message>
        <source>Choose the file&apos;s column for at least one field.</source>
        <translation>Choisissez la colonne du fichier pour au moins un champ.</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Lecture de %1…</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing was stored.</source>
        <translation>L’importation a été annulée ; rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>Leave them out and import the other rows? No stops the import, and nothing is stored.</source>
        <translation>Les laisser de côté et importer les autres lignes ? Non arrête l’importation, et rien n’est enregistré.</translation>
    </message>
    <message>
        <source>The import was stopped; nothing was stored.</source>
        <translation>L’importation a été arrêtée ; rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>Importing %1…</source>
        <translation>Importation de %1…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Looking at the rows imported from %1…</source>
        <translation>Examen des lignes importées de %1…</translation>
    </message>
    <message>
        <source>Removing the rows imported from %1…</source>
        <translation>Suppression des lignes importées de %1…</translation>
    </message>
    <message>
        <source>… %1 more</source>
        <translation>… %1 de plus</translation>
    </message>
    <message>
        <source>Lines of the file that cannot be stored as they stand: %1. The window lists them with the reason.</source>
        <translation>Lignes du fichier qui ne peuvent pas être enregistrées telles quelles : %1. La fenêtre les liste avec la raison.</translation>
    </message>
    <message>
        <source>Rows added: %1.</source>
        <translation>Lignes ajoutées : %1.</translation>
    </message>
    <message>
        <source>Left out as stored already: %1.</source>
        <translation>Laissées de côté car déjà enregistrées : %1.</translation>
    </message>
    <message>
        <source>Left out as they could not be stored: %1.</source>
        <translation>Laissées de côté car impossibles à enregistrer : %1.</translation>
    </message>
    <message>
        <source>None of the rows imported from %1 is as it was imported: each was changed or removed since. Nothing was removed.</source>
        <translation>Aucune des lignes importées de %1 n’est telle qu’elle a été importée : chacune a été modifiée ou supprimée depuis. Rien n’a été supprimé.</translation>
    </message>
    <message>
        <source>Rows imported from %4: %1. Changed since: %2; removed since: %3.<byte value="xd"/>
<byte value="xd"/>
Remove the %5 that are still as they were imported, and keep the changed ones?</source>
        <extracomment>The numbers of rows imported, changed since and removed since, the file, and the number unchanged.</extracomment>
        <translation>Lignes importées de %4 : %1. Modifiées depuis : %2 ; supprimées depuis : %3.<byte value="xd"/>
<byte value="xd"/>
Supprimer les %5 qui sont encore telles qu’elles ont été importées, et garder celles qui ont été modifiées ?</translation>
    </message>
    <message>
        <source>Rows changed meanwhile, and kept: %1.</source>
        <translation>Lignes modifiées entre-temps, et gardées : %1.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Welcome to the Velloran! Get to know more about the Pagan &amp; Wiccan Culture. Use the Pagan Diary to save your ritual details for further reference</source>
        <translation>Bienvenue dans Velloran ! Découvrez la culture païenne et wiccane. Notez vos rituels dans le journal païen pour vous y référer plus tard</translation>
    </message>
    <message>
        <source>Pagan</source>
        <translation>Paganisme</translation>
    </message>
    <message>
        <source>Dowsing</source>
        <translation>Radiesthésie</translation>
    </message>
    <message>
        <source>Pagan Diary</source>
        <translation>Journal païen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
</context>
<context>
    <name>frmManual</name>
    <message>
        <source>Velloran Manual</source>
        <translation>Manuel de Velloran</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>S&amp;ommaire</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>Manual page</source>
        <translation>Page du manuel</translation>
    </message>
</context>
<context>
    <name>frmPaganDiaryMain</name>
    <message>
        <source>Velloran Diary</source>
        <translation>Journal Velloran</translation>
    </message>
    <message>
        <source>Velloran Diary is an easy to use advanced software. It is a personal book of spells and also acts as a key to the mysteries of the Pagan culture. Velloran Diary software is the ultimate tool for safekeeping everything related to the Pagan and the Wiccan rituals and spells, and as such, it is a MUST HAVE for all Pagan followers.</source>
        <translation>Journal Velloran est un logiciel avancé et simple d&apos;emploi. C&apos;est un grimoire personnel qui vous ouvre aussi les mystères de la culture païenne. Journal Velloran est l&apos;outil idéal pour conserver tout ce qui touche aux rituels et aux sorts païens et wiccans ; c&apos;est donc un INDISPENSABLE pour tous les païens.</translation>
    </message>
    <message>
        <source>Velloran Diary has divided the Diary into the following options for your convenience. Choose any one of the options which you feel is appropriate for your entry.</source>
        <translation>Journal Velloran est divisé en sections pour plus de commodité. Choisissez celle qui convient à votre entrée.</translation>
    </message>
    <message>
        <source>Click on Continue to Proceed.</source>
        <translation>Cliquez sur Continuer pour poursuivre.</translation>
    </message>
    <message>
        <source>Select An Option</source>
        <translation>Choisissez une section</translation>
    </message>
    <message>
        <source>Spell Section</source>
        <translation>Section des sorts</translation>
    </message>
    <message>
        <source>Incense Section</source>
        <translation>Section de l&apos;encens</translation>
    </message>
    <message>
        <source>Recipes Section</source>
        <translation>Section des recettes</translation>
    </message>
    <message>
        <source>Rituals Section</source>
        <translation>Section des rituels</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>Required Files Are Missing<byte value="xd"/>Please Reinstall The Software</source>
        <translation>Des fichiers nécessaires sont manquants<byte value="xd"/>Veuillez réinstaller le logiciel</translation>
    </message>
    <message>
        <source>Please Select An Option</source>
        <translation>Veuillez choisir une section</translation>
    </message>
</context>
<context>
    <name>frmPaganDiaryResultBOS</name>
    <message>
        <source>The entry you were editing is no longer in the %1 section; another program may have removed it.<byte value="xd"/>
Do you want to add what you typed as a new entry?</source>
        <translation>L&apos;entrée que vous modifiiez n&apos;est plus dans la section %1 ; un autre programme l&apos;a peut-être supprimée.<byte value="xd"/>
Voulez-vous ajouter ce que vous avez saisi comme nouvelle entrée ?</translation>
    </message>
    <message>
        <source>Spell Section</source>
        <translation>Section des sorts</translation>
    </message>
    <message>
        <source>Click on Open Spell to Access the Spells Section</source>
        <translation>Cliquez sur « Ouvrir la section Sorts » pour y accéder</translation>
    </message>
    <message>
        <source>Add your new spell secrets and save them. Add, edit or remove the selected spells according to your preferences.</source>
        <translation>Ajoutez vos nouveaux secrets de sorts et enregistrez-les. Ajoutez, modifiez ou supprimez les sorts choisis selon vos préférences.</translation>
    </message>
    <message>
        <source>Incense Section</source>
        <translation>Section de l&apos;encens</translation>
    </message>
    <message>
        <source>Click on Open Incense to Access the Incense Section</source>
        <translation>Cliquez sur « Ouvrir la section Encens » pour y accéder</translation>
    </message>
    <message>
        <source>Add your new incense secrets and save them. Add, edit or remove the selected incense according to your preferences.</source>
        <translation>Ajoutez vos nouveaux secrets d&apos;encens et enregistrez-les. Ajoutez, modifiez ou supprimez les encens choisis selon vos préférences.</translation>
    </message>
    <message>
        <source>Recipes Section</source>
        <translation>Section des recettes</translation>
    </message>
    <message>
        <source>Click on Open Recipes to Access the Recipes Section</source>
        <translation>Cliquez sur « Ouvrir la section Recettes » pour y accéder</translation>
    </message>
    <message>
        <source>Add your new recipe secrets and save them. Add, edit or remove the selected recipes according to your preferences.</source>
        <translation>Ajoutez vos nouveaux secrets de recettes et enregistrez-les. Ajoutez, modifiez ou supprimez les recettes choisies selon vos préférences.</translation>
    </message>
    <message>
        <source>Rituals Section</source>
        <translation>Section des rituels</translation>
    </message>
    <message>
        <source>Click on Open Rituals to Access the Rituals Section</source>
        <translation>Cliquez sur « Ouvrir la section Rituels » pour y accéder</translation>
    </message>
    <message>
        <source>Add your new ritual secrets and save them. Add, edit or remove the selected rituals according to your preferences.</source>
        <translation>Ajoutez vos nouveaux secrets de rituels et enregistrez-les. Ajoutez, modifiez ou supprimez les rituels choisis selon vos préférences.</translation>
    </message>
    <message>
        <source>Velloran Diary</source>
        <translation>Journal Velloran</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Mot-clé</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Signification</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Remove %1</source>
        <translation>&amp;Supprimer l&apos;entrée (%1)</translation>
    </message>
    <message>
        <source>E&amp;xit %1</source>
        <translation>&amp;Quitter la section %1</translation>
    </message>
    <message>
        <source>&amp;Open %1</source>
        <translation>Ou&amp;vrir la section %1</translation>
    </message>
    <message>
        <source>&amp;Close %1</source>
        <translation>&amp;Fermer la section %1</translation>
    </message>
    <message>
        <source>&amp;Save %1</source>
        <translation>&amp;Enregistrer l&apos;entrée (%1)</translation>
    </message>
    <message>
        <source>&amp;Add %1</source>
        <translation>A&amp;jouter une entrée (%1)</translation>
    </message>
    <message>
        <source>&amp;Edit %1</source>
        <translation>&amp;Modifier l&apos;entrée (%1)</translation>
    </message>
    <message>
        <source>Please Enter Keyword And Its Corresponding Meaning</source>
        <translation>Veuillez saisir un mot-clé et sa signification</translation>
    </message>
    <message>
        <source>Please Enter The Keyword</source>
        <translation>Veuillez saisir le mot-clé</translation>
    </message>
    <message>
        <source>Please Enter The Meaning Of The Keyword</source>
        <translation>Veuillez saisir la signification du mot-clé</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo Removal of “%1”</source>
        <translation>&amp;Annuler le retrait de « %1 »</translation>
    </message>
    <message>
        <source>“%1” is back in the %2 section as a new entry: another entry has taken its place meanwhile.</source>
        <translation>« %1 » est de retour dans la section %2 comme nouvelle entrée : une autre entrée a pris sa place entre-temps.</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>
Remove it all the same?</source>
        <translation>.<byte value="xd"/>
La retirer quand même ?</translation>
    </message>
</context>
<context>
    <name>frmPaganMain</name>
    <message>
        <source>Pagan Calendar</source>
        <translation>Calendrier païen</translation>
    </message>
    <message>
        <source>Pagan Information</source>
        <translation>Informations païennes</translation>
    </message>
    <message>
        <source>Pagan Festive Seasons</source>
        <translation>Fêtes païennes</translation>
    </message>
    <message>
        <source>Pagan Elements</source>
        <translation>Éléments païens</translation>
    </message>
    <message>
        <source>Pagan Gods</source>
        <translation>Dieux païens</translation>
    </message>
    <message>
        <source>Pagan Goddesses</source>
        <translation>Déesses païennes</translation>
    </message>
    <message>
        <source>Show Pagan &amp;Calendar</source>
        <translation>Afficher le &amp;calendrier païen</translation>
    </message>
    <message>
        <source>The following is the list of Pagan Festivals:</source>
        <translation>Voici la liste des fêtes païennes :</translation>
    </message>
    <message>
        <source>Please Select A Year</source>
        <translation>Veuillez choisir une année</translation>
    </message>
</context>
<context>
    <name>frmPaganResultCalendar</name>
    <message>
        <source>Display Festivals</source>
        <translation>Affichage des fêtes</translation>
    </message>
    <message>
        <source>Velloran displays the festivals of the chosen month in the space below. Know the Pagan festivals for the current chosen month and make your plans.</source>
        <translation>Velloran affiche ci-contre les fêtes du mois choisi. Découvrez les fêtes païennes de ce mois et faites vos projets.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Month calendar</source>
        <translation>Calendrier du mois</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Jours du mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
</context>
<context>
    <name>frmWheelOfTheYear</name>
    <message>
        <source>Wheel of the Year</source>
        <translation>Roue de l&apos;année</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Wheel of the Year…</source>
        <translation>Roue de l&apos;année…</translation>
    </message>
    <message>
        <source>Times in %1, with daylight saving as it applied on each date, here and in the exported file.</source>
        <translation>Heures en %1, avec l&apos;heure d&apos;été telle qu&apos;elle s&apos;appliquait à chaque date, ici et dans le fichier exporté.</translation>
    </message>
    <message>
        <source>Times in UTC, here and in the exported file.</source>
        <translation>Heures en UTC, ici et dans le fichier exporté.</translation>
    </message>
    <message>
        <source>Years 1800 to 2200</source>
        <translation>Années 1800 à 2200</translation>
    </message>
    <message>
        <source>The system&apos;s time zone could not be found, so the times and dates are in UTC.</source>
        <translation>Le fuseau horaire du système est introuvable ; les heures et les dates sont donc en UTC.</translation>
    </message>
    <message>
        <source>Yule at the top, the year turning clockwise. Gold: solstices and equinoxes; orange: the sun at the cross-quarter points. Bright dots: full moons; dark dots: new moons. Red: today.</source>
        <translation>Yule en haut, l&apos;année tournant dans le sens des aiguilles d&apos;une montre. Or : solstices et équinoxes ; orange : le soleil aux points intermédiaires. Points clairs : pleines lunes ; points sombres : nouvelles lunes. Rouge : aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Export the Wheel of the Year</source>
        <translation>Exporter la roue de l&apos;année</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics)|*.ics</source>
        <translation>Fichier iCalendar (*.ics)|*.ics</translation>
    </message>
    <message>
        <source>The calendar file could not be saved as<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
No file was written; a file of that name that was there before is unchanged.</source>
        <translation>Le fichier de calendrier n&apos;a pas pu être enregistré sous<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Aucun fichier n&apos;a été écrit ; un fichier de ce nom qui existait déjà est inchangé.</translation>
    </message>
    <message>
        <source>The wheel of the year %1 was saved as<byte value="xd"/>
%2<byte value="xd"/>
(%3 events).</source>
        <translation>La roue de l&apos;année %1 a été enregistrée sous<byte value="xd"/>
%2<byte value="xd"/>
(%3 événements).</translation>
    </message>
    <message>
        <source>days before</source>
        <translation>jours avant</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Festival or moon</source>
        <translation>Fête ou lune</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <extracomment>How a day of the table is written (QDate format): weekday, day and month, short.</extracomment>
        <translation>ddd d MMM</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>Ann&amp;ée :</translation>
    </message>
    <message>
        <source>&amp;Southern Hemisphere</source>
        <translation>Hémisphère &amp;sud</translation>
    </message>
    <message>
        <source>Times in &amp;UTC</source>
        <translation>Heures en &amp;UTC</translation>
    </message>
    <message>
        <source>Export to your calendar (.ics)</source>
        <translation>Exporter vers votre calendrier (.ics)</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>D&amp;e</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>&amp;à</translation>
    </message>
    <message>
        <source>Eight &amp;points</source>
        <translation>Huit &amp;points</translation>
    </message>
    <message>
        <source>&amp;Traditional days</source>
        <translation>Jours &amp;traditionnels</translation>
    </message>
    <message>
        <source>&amp;New moons</source>
        <translation>&amp;Nouvelles lunes</translation>
    </message>
    <message>
        <source>Fu&amp;ll moons</source>
        <translation>Ple&amp;ines lunes</translation>
    </message>
    <message>
        <source>&amp;Reminder</source>
        <translation>&amp;Rappel</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>&amp;Export to Calendar…</source>
        <translation>E&amp;xporter vers le calendrier…</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>toute la journée</translation>
    </message>
    <message>
        <source>Festivals and moons of the year</source>
        <translation>Fêtes et lunes de l&apos;année</translation>
    </message>
</context>
</TS>
