<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BackupCommands</name>
    <message>
        <source><byte value="xd"/>
The files you had before are kept in<byte value="xd"/>
%1</source>
        <translation><byte value="xd"/>
Los archivos que tenía antes se conservan en<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>&amp;Back Up Data…</source>
        <translation>Hacer copia de &amp;seguridad…</translation>
    </message>
    <message>
        <source>&amp;Restore…</source>
        <translation>&amp;Restaurar…</translation>
    </message>
    <message>
        <source>Choose a folder for the backup</source>
        <translation>Elija una carpeta para la copia de seguridad</translation>
    </message>
    <message>
        <source>Choose the backup folder to restore</source>
        <translation>Elija la carpeta de la copia de seguridad que desea restaurar</translation>
    </message>
    <message>
        <source>Your records and diary were backed up and the copy was checked:<byte value="xd"/>
%1</source>
        <translation>Se hizo una copia de seguridad de sus registros y su diario, y la copia se ha comprobado:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The backup could not be made.<byte value="xd"/>
%1</source>
        <translation>No se pudo hacer la copia de seguridad.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Replace your records and diary with those of the backup<byte value="xd"/>
%1 ?<byte value="xd"/>
Your current files are kept aside as a backup of their own.</source>
        <translation>¿Reemplazar sus registros y su diario por los de la copia de seguridad<byte value="xd"/>
%1?<byte value="xd"/>
Sus archivos actuales se guardan aparte como una copia de seguridad propia.</translation>
    </message>
    <message>
        <source>Your records and diary were restored from<byte value="xd"/>
%1</source>
        <translation>Sus registros y su diario se restauraron desde<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>This backup cannot be restored; nothing was changed.<byte value="xd"/>
%1</source>
        <translation>Esta copia de seguridad no se puede restaurar; no se ha cambiado nada.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Nothing was restored; your records and diary are as they were.<byte value="xd"/>
%1</source>
        <translation>No se ha restaurado nada; sus registros y su diario siguen como estaban.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The restore did not finish, so your records and diary were put back as they were.</source>
        <translation>La restauración no terminó, así que sus registros y su diario se dejaron como estaban.</translation>
    </message>
    <message>
        <source>The restore did not finish and could not be undone; Velloran tries again when it next starts.</source>
        <translation>La restauración no terminó y no se pudo deshacer; Velloran lo intentará de nuevo la próxima vez que se inicie.</translation>
    </message>
    <message>
        <source>The restore from<byte value="xd"/>
%1<byte value="xd"/>
was cut off when Velloran last ran. </source>
        <translation>La restauración desde<byte value="xd"/>
%1<byte value="xd"/>
se interrumpió la última vez que se ejecutó Velloran. </translation>
    </message>
    <message>
        <source>It has now been finished: your records and diary are those of the backup.</source>
        <translation>Ahora se ha completado: sus registros y su diario son los de la copia de seguridad.</translation>
    </message>
    <message>
        <source>It could not be finished, so it was undone: your records and diary are as they were before it.<byte value="xd"/>
%1</source>
        <translation>No se pudo completar, así que se deshizo: sus registros y su diario están como antes.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>It could neither be finished nor undone, so your records and diary may be from two different times; Velloran tries again when it next starts.<byte value="xd"/>
%1</source>
        <translation>No se pudo completar ni deshacer, así que sus registros y su diario pueden ser de dos momentos distintos; Velloran lo intentará de nuevo la próxima vez que se inicie.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Replace the records and diary of the shared database %1 with those of the backup<byte value="xd"/>
%2 ?<byte value="xd"/>
Every user of the database sees the backup&apos;s.</source>
        <translation>¿Reemplazar los registros y el diario de la base de datos compartida %1 por los de la copia de seguridad<byte value="xd"/>
%2?<byte value="xd"/>
Todos los usuarios de la base de datos verán los de la copia de seguridad.</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>the import was cancelled; nothing was stored</source>
        <translation>la importación se canceló; no se guardó nada</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>No se pudo leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>The imported rows could not be read</source>
        <translation>No se pudieron leer las filas importadas</translation>
    </message>
    <message>
        <source>The rows already stored could not be read</source>
        <translation>No se pudieron leer las filas ya guardadas</translation>
    </message>
    <message>
        <source>“%1” is no date of the form %2 (%3)</source>
        <extracomment>A line&apos;s fault: the date, the form dates are read in, and the field.</extracomment>
        <translation>«%1» no es una fecha de la forma %2 (%3)</translation>
    </message>
    <message>
        <source>%1 holds a null character, which the database cannot keep</source>
        <translation>%1 contiene un carácter nulo, que la base de datos no puede guardar</translation>
    </message>
    <message>
        <source>%1 is longer than the database keeps (a billion bytes)</source>
        <translation>%1 es más largo de lo que guarda la base de datos (mil millones de bytes)</translation>
    </message>
    <message>
        <source>The file %1 could not be imported</source>
        <translation>No se pudo importar el archivo %1</translation>
    </message>
    <message>
        <source>The import could not begin</source>
        <translation>La importación no pudo comenzar</translation>
    </message>
    <message>
        <source>The server did not say whether the file was imported</source>
        <translation>El servidor no dijo si el archivo se importó</translation>
    </message>
    <message>
        <source>not every row was added</source>
        <translation>no se añadieron todas las filas</translation>
    </message>
    <message>
        <source>The import of %1 could not be undone</source>
        <translation>No se pudo deshacer la importación de %1</translation>
    </message>
    <message>
        <source>The import could not be undone</source>
        <translation>No se pudo deshacer la importación</translation>
    </message>
    <message>
        <source>The server did not say whether the import was undone</source>
        <translation>El servidor no dijo si la importación se deshizo</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>Field %1 holds bytes that are not %2 text.</source>
        <translation>El campo %1 contiene bytes que no son texto %2.</translation>
    </message>
    <message>
        <source>Field %1 has text after its closing quote.</source>
        <translation>El campo %1 tiene texto tras su comilla de cierre.</translation>
    </message>
    <message>
        <source>The row runs on for more than %1 characters; it is cut at the end of its first line.</source>
        <translation>La fila tiene más de %1 caracteres; se corta al final de su primera línea.</translation>
    </message>
    <message>
        <source>A quote in the row is never closed; the row is read to the end of its line.</source>
        <translation>Una comilla de la fila no se cierra nunca; la fila se lee hasta el final de su línea.</translation>
    </message>
    <message>
        <source>The row has %1 fields where the first row has %2.</source>
        <translation>La fila tiene %1 campos y la primera fila %2.</translation>
    </message>
</context>
<context>
    <name>DataBackup</name>
    <message>
        <source>%1 is missing from the backup.</source>
        <translation>Falta %1 en la copia de seguridad.</translation>
    </message>
    <message>
        <source>%1 in the backup is not the file that was backed up.</source>
        <translation>%1 en la copia de seguridad no es el archivo que se copió.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 could not be restored: %2</source>
        <translation>No se pudo restaurar %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>No se puede escribir en la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 could not be copied: %2</source>
        <translation>No se pudo copiar %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read back.</source>
        <translation>No se pudo volver a leer %1.</translation>
    </message>
    <message>
        <source>There is no data file in %1.</source>
        <translation>No hay ningún archivo de datos en %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written. %2</source>
        <translation>No se puede escribir en la carpeta %1. %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be found.</source>
        <translation>No se encuentra la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 is not a Velloran backup.</source>
        <translation>%1 no es una copia de seguridad de Velloran.</translation>
    </message>
    <message>
        <source>%1 in the backup is damaged: %2</source>
        <translation>%1 en la copia de seguridad está dañado: %2</translation>
    </message>
    <message>
        <source>The backup holds no data file.</source>
        <translation>La copia de seguridad no contiene ningún archivo de datos.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The current files could not be kept aside, so nothing was changed. %1</source>
        <translation>No se pudieron guardar aparte los archivos actuales, así que no se ha cambiado nada. %1</translation>
    </message>
    <message>
        <source>The restore could not begin. %1</source>
        <translation>La restauración no pudo empezar. %1</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The folder is read-only.</source>
        <translation>La carpeta es de solo lectura.</translation>
    </message>
    <message>
        <source>Velloran cannot keep your dowsing records and diary in the folder<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Velloran no puede guardar sus registros de radiestesia y su diario en la carpeta<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The folder cannot be created: %1</source>
        <translation>No se puede crear la carpeta: %1</translation>
    </message>
    <message>
        <source>The folder cannot be written: %1</source>
        <translation>No se puede escribir en la carpeta: %1</translation>
    </message>
    <message>
        <source>%1 cannot be copied there: %2</source>
        <translation>No se puede copiar %1 allí: %2</translation>
    </message>
</context>
<context>
    <name>DataSourceChoice</name>
    <message>
        <source>The password of %1 on the shared database:</source>
        <translation>La contraseña de %1 en la base de datos compartida:</translation>
    </message>
    <message>
        <source>&amp;Data Source…</source>
        <translation>&amp;Origen de los datos…</translation>
    </message>
    <message>
        <source>Cop&amp;y Local Files to the Shared Database…</source>
        <translation>Copiar los archivos &amp;locales a la base de datos compartida…</translation>
    </message>
    <message>
        <source>The shared database given cannot be used: %1.<byte value="xd"/>
Velloran uses the files on this computer.</source>
        <translation>No se puede usar la base de datos compartida indicada: %1.<byte value="xd"/>
Velloran usa los archivos de este equipo.</translation>
    </message>
    <message>
        <source>The database %1 is empty.<byte value="xd"/>
Make Velloran&apos;s tables in it, so that its users can keep their records and diary there?</source>
        <translation>La base de datos %1 está vacía.<byte value="xd"/>
¿Crear en ella las tablas de Velloran para que sus usuarios puedan guardar allí sus registros y su diario?</translation>
    </message>
    <message>
        <source>The tables in the database %1 were made by an earlier Velloran.<byte value="xd"/>
Bring them up to date? Earlier versions of Velloran cannot use them after that.</source>
        <translation>Las tablas de la base de datos %1 las creó una versión anterior de Velloran.<byte value="xd"/>
¿Actualizarlas? Después, las versiones anteriores de Velloran no podrán usarlas.</translation>
    </message>
    <message>
        <source>Velloran cannot use the database %1: %2.</source>
        <translation>Velloran no puede usar la base de datos %1: %2.</translation>
    </message>
    <message>
        <source>The shared database could not be opened</source>
        <translation>No se pudo abrir la base de datos compartida</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>the file %1 is missing</source>
        <translation>falta el archivo %1</translation>
    </message>
    <message>
        <source>the file %1 is in use by another program</source>
        <translation>otro programa está usando el archivo %1</translation>
    </message>
    <message>
        <source>the file %1 or its folder is read-only</source>
        <translation>el archivo %1 o su carpeta es de solo lectura</translation>
    </message>
    <message>
        <source>the file %1 is damaged (%2)</source>
        <translation>el archivo %1 está dañado (%2)</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full</source>
        <translation>el disco que contiene %1 está lleno</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>el controlador SQLite de Qt no está instalado</translation>
    </message>
    <message>
        <source>the file %1 does not exist</source>
        <translation>el archivo %1 no existe</translation>
    </message>
    <message>
        <source>The database %1 could not be made</source>
        <translation>No se pudo crear la base de datos %1</translation>
    </message>
    <message>
        <source>the file already exists</source>
        <translation>el archivo ya existe</translation>
    </message>
    <message>
        <source>the schema ends inside a statement</source>
        <translation>el esquema termina en mitad de una instrucción</translation>
    </message>
    <message>
        <source>the finished file could not be moved into place</source>
        <translation>no se pudo mover el archivo terminado a su sitio</translation>
    </message>
    <message>
        <source>the server %1 cannot be reached (%2)</source>
        <translation>no se puede conectar con el servidor %1 (%2)</translation>
    </message>
    <message>
        <source>the server %1 refused the connection (%2)</source>
        <translation>el servidor %1 rechazó la conexión (%2)</translation>
    </message>
    <message>
        <source>the record is in use by another user of the server %1 (%2)</source>
        <translation>otro usuario del servidor %1 está usando el registro (%2)</translation>
    </message>
    <message>
        <source>the server %1 does not let this user change the records (%2)</source>
        <translation>el servidor %1 no permite a este usuario modificar los registros (%2)</translation>
    </message>
    <message>
        <source>the database %1 does not hold Velloran&apos;s tables (%2)</source>
        <translation>la base de datos %1 no contiene las tablas de Velloran (%2)</translation>
    </message>
    <message>
        <source>the disk of the server %1 is full</source>
        <translation>el disco del servidor %1 está lleno</translation>
    </message>
    <message>
        <source>the row was removed meanwhile</source>
        <translation>la fila se ha eliminado mientras tanto</translation>
    </message>
    <message>
        <source>the connection to the server %1 was lost before it answered (%2)</source>
        <translation>la conexión con el servidor %1 se perdió antes de que respondiera (%2)</translation>
    </message>
</context>
<context>
    <name>DiaryKeywordModel</name>
    <message>
        <source>The %1 section has no line %2</source>
        <translation>La sección %1 no tiene línea %2</translation>
    </message>
</context>
<context>
    <name>DiaryStore</name>
    <message>
        <source>Spell</source>
        <translation>Hechizos</translation>
    </message>
    <message>
        <source>Incense</source>
        <translation>Incienso</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recetas</translation>
    </message>
    <message>
        <source>Rituals</source>
        <translation>Rituales</translation>
    </message>
    <message>
        <source>The %1 section could not be read</source>
        <translation>No se pudo leer la sección %1</translation>
    </message>
    <message>
        <source>No entry of the %1 section has the number %2</source>
        <translation>Ninguna entrada de la sección %1 tiene el número %2</translation>
    </message>
    <message>
        <source>the file %1 does not number its entries itself (the &quot;Index&quot; column of the %2 section is no automatic key), so an entry could be neither edited nor removed; it may be an older or converted file</source>
        <translation>el archivo %1 no numera sus entradas por sí mismo (la columna «Index» de la sección %2 no es una clave automática), así que una entrada no se podría ni editar ni eliminar; puede ser un archivo antiguo o convertido</translation>
    </message>
    <message>
        <source>The entry could not be read from the %1 section</source>
        <translation>No se pudo leer la entrada de la sección %1</translation>
    </message>
    <message>
        <source>The entry could not be added to the %1 section</source>
        <translation>No se pudo añadir la entrada a la sección %1</translation>
    </message>
    <message>
        <source>The entry could not be saved in the %1 section</source>
        <translation>No se pudo guardar la entrada en la sección %1</translation>
    </message>
    <message>
        <source>The entry could not be removed from the %1 section</source>
        <translation>No se pudo eliminar la entrada de la sección %1</translation>
    </message>
    <message>
        <source>The entry %1 of the %2 section was changed by someone else since it was shown</source>
        <translation>Otra persona ha modificado la entrada %1 de la sección %2 desde que se mostró</translation>
    </message>
    <message>
        <source>The entry could not be put back in the %1 section</source>
        <translation>No se pudo devolver la entrada a la sección %1</translation>
    </message>
    <message>
        <source>no such section</source>
        <translation>esa sección no existe</translation>
    </message>
    <message>
        <source>The server did not say whether the entry of the %1 section was saved</source>
        <translation>El servidor no llegó a decir si la entrada de la sección %1 se guardó</translation>
    </message>
    <message>
        <source>The server did not say whether the entry of the %1 section was removed</source>
        <translation>El servidor no llegó a decir si la entrada de la sección %1 se quitó</translation>
    </message>
    <message>
        <source>The server did not say whether the entry of the %1 section was put back</source>
        <translation>El servidor no llegó a decir si la entrada de la sección %1 se restituyó</translation>
    </message>
</context>
<context>
    <name>DiaryTools</name>
    <message>
        <source>CSV file | *.csv</source>
        <translation>Archivo CSV | *.csv</translation>
    </message>
    <message>
        <source>PDF file | *.pdf</source>
        <translation>Archivo PDF | *.pdf</translation>
    </message>
    <message>
        <source>%1 Section</source>
        <extracomment>The heading of a section&apos;s pages: &quot;Spell Section&quot;.</extracomment>
        <translation>Sección %1</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Buscar…</translation>
    </message>
    <message>
        <source>Export Section to &amp;CSV…</source>
        <translation>Exportar la sección a &amp;CSV…</translation>
    </message>
    <message>
        <source>Export Section to &amp;PDF…</source>
        <translation>Exportar la sección a &amp;PDF…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view of Section…</source>
        <translation>&amp;Vista previa de impresión de la sección…</translation>
    </message>
    <message>
        <source>The section was exported to<byte value="xd"/>
%1</source>
        <translation>La sección se exportó a<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The section could not be exported to %1.<byte value="xd"/>
%2</source>
        <translation>No se pudo exportar la sección a %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Palabra clave</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>&amp;Import Section from CSV…</source>
        <translation>&amp;Importar sección desde CSV…</translation>
    </message>
</context>
<context>
    <name>DowsingEntryRules</name>
    <message>
        <source>January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Diciembre</translation>
    </message>
    <message>
        <source>Rods</source>
        <translation>Varillas</translation>
    </message>
    <message>
        <source>Branch</source>
        <translation>Horquilla</translation>
    </message>
    <message>
        <source>Pendulam</source>
        <translation>Péndulo</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Oil</source>
        <translation>Petróleo</translation>
    </message>
    <message>
        <source>Treasure</source>
        <translation>Tesoro</translation>
    </message>
    <message>
        <source>Missing Person</source>
        <translation>Persona desaparecida</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Otro</translation>
    </message>
</context>
<context>
    <name>DowsingGridModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>C. P.</translation>
    </message>
    <message>
        <source>Phone No</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Time Of Dowsing</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Dowsing Tool</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Item Of Dowsing</source>
        <translation>Objeto buscado</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>IdNumber</source>
        <translation>Número</translation>
    </message>
</context>
<context>
    <name>DowsingSearch</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Making the search index was stopped.</source>
        <translation>Se detuvo la creación del índice de búsqueda.</translation>
    </message>
</context>
<context>
    <name>DowsingSheet</name>
    <message>
        <source>Date :- </source>
        <translation>Fecha :- </translation>
    </message>
    <message>
        <source>Name :- </source>
        <translation>Nombre :- </translation>
    </message>
    <message>
        <source>Address :- </source>
        <translation>Dirección :- </translation>
    </message>
    <message>
        <source>City :- </source>
        <translation>Ciudad :- </translation>
    </message>
    <message>
        <source>State :- </source>
        <translation>Provincia :- </translation>
    </message>
    <message>
        <source>Pin :- </source>
        <translation>Código postal :- </translation>
    </message>
    <message>
        <source>Phone Number :- </source>
        <translation>Teléfono :- </translation>
    </message>
    <message>
        <source>Email :- </source>
        <translation>Correo electrónico :- </translation>
    </message>
    <message>
        <source>Dowsing Time :- </source>
        <translation>Hora :- </translation>
    </message>
    <message>
        <source>Dowsing Tool :- </source>
        <translation>Instrumento :- </translation>
    </message>
    <message>
        <source>Dowsing Item :- </source>
        <translation>Objeto buscado :- </translation>
    </message>
    <message>
        <source>Location :- </source>
        <translation>Lugar :- </translation>
    </message>
    <message>
        <source>Notes :- </source>
        <translation>Notas :- </translation>
    </message>
    <message>
        <source>Dowsin Item :- </source>
        <translation>Objeto buscado :- </translation>
    </message>
    <message>
        <source>This data has not been entered</source>
        <translation>Este dato no se ha introducido</translation>
    </message>
</context>
<context>
    <name>DowsingStore</name>
    <message>
        <source>No record has the number %1</source>
        <translation>Ningún registro tiene el número %1</translation>
    </message>
    <message>
        <source>The dowsing records could not be opened</source>
        <translation>No se pudieron abrir los registros de radiestesia</translation>
    </message>
    <message>
        <source>the file %1 does not number its records itself (its IdNumber column is no automatic key), so a record added to it could be neither changed nor removed; it may be an older or converted file</source>
        <translation>el archivo %1 no numera sus registros por sí mismo (su columna IdNumber no es una clave automática), así que un registro añadido no se podría ni cambiar ni eliminar; puede ser un archivo antiguo o convertido</translation>
    </message>
    <message>
        <source>The record could not be removed</source>
        <translation>No se pudo eliminar el registro</translation>
    </message>
    <message>
        <source>The record %1 was changed by someone else since it was shown</source>
        <translation>Otra persona ha modificado el registro %1 desde que se mostró</translation>
    </message>
    <message>
        <source>The record could not be put back</source>
        <translation>No se pudo recuperar el registro</translation>
    </message>
    <message>
        <source>it is no record</source>
        <translation>no es un registro</translation>
    </message>
    <message>
        <source>The records could not be read</source>
        <translation>No se pudieron leer los registros</translation>
    </message>
    <message>
        <source>The records could not be written</source>
        <translation>No se pudieron escribir los registros</translation>
    </message>
    <message>
        <source>The record could not be saved</source>
        <translation>No se pudo guardar el registro</translation>
    </message>
    <message>
        <source>The server did not say whether the record was saved</source>
        <translation>El servidor no llegó a decir si el registro se guardó</translation>
    </message>
    <message>
        <source>The server did not say whether the record was removed</source>
        <translation>El servidor no llegó a decir si el registro se eliminó</translation>
    </message>
    <message>
        <source>The server did not say whether the record was put back</source>
        <translation>El servidor no llegó a decir si el registro se restituyó</translation>
    </message>
</context>
<context>
    <name>DowsingTools</name>
    <message>
        <source>Dowsing Records</source>
        <extracomment>The title of the PDF file of every record&apos;s sheet.</extracomment>
        <translation>Registros de radiestesia</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Find Records…</source>
        <translation>&amp;Buscar registros…</translation>
    </message>
    <message>
        <source>Export Records to &amp;CSV…</source>
        <translation>Exportar los registros a &amp;CSV…</translation>
    </message>
    <message>
        <source>Export Records to &amp;PDF…</source>
        <translation>Exportar los registros a &amp;PDF…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view of All Records…</source>
        <translation>&amp;Vista previa de impresión de todos los registros…</translation>
    </message>
    <message>
        <source>Print Preview of Record &amp;Sheet…</source>
        <translation>Vista previa de impresión de la &amp;hoja del registro…</translation>
    </message>
    <message>
        <source>CSV file | *.csv</source>
        <translation>Archivo CSV | *.csv</translation>
    </message>
    <message>
        <source>PDF file | *.pdf</source>
        <translation>Archivo PDF | *.pdf</translation>
    </message>
    <message>
        <source>The records were exported to<byte value="xd"/>
%1</source>
        <translation>Los registros se exportaron a<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The records could not be exported to %1.<byte value="xd"/>
%2</source>
        <translation>No se pudieron exportar los registros a %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Open a record on the record sheet first.</source>
        <translation>Abra primero un registro en la hoja del registro.</translation>
    </message>
    <message>
        <source>&amp;Import Records from CSV…</source>
        <translation>&amp;Importar registros desde CSV…</translation>
    </message>
</context>
<context>
    <name>Exports</name>
    <message>
        <source>The pages could not be drawn.</source>
        <translation>No se pudieron dibujar las páginas.</translation>
    </message>
</context>
<context>
    <name>MDIDowsingForm1</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo Deletion of “%1”</source>
        <translation>&amp;Deshacer la eliminación de «%1»</translation>
    </message>
    <message>
        <source>“%1” is back as record number %2: another record has taken its number meanwhile.</source>
        <translation>«%1» ha vuelto como registro número %2: otro registro ha ocupado su número mientras tanto.</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>registro %1</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>The manual cannot be shown: its pages are not installed with the program (%1).</source>
        <translation>No se puede mostrar el manual: sus páginas no están instaladas con el programa (%1).</translation>
    </message>
    <message>
        <source>Velloran &amp;Manual</source>
        <translation>&amp;Manual de Velloran</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>&amp;Keep Theirs</source>
        <translation>&amp;Conservar la otra</translation>
    </message>
    <message>
        <source>&amp;Save Mine</source>
        <translation>&amp;Guardar la mía</translation>
    </message>
    <message>
        <source>Save Mine as &amp;New</source>
        <translation>Guardar la mía como &amp;nueva</translation>
    </message>
    <message>
        <source>Save as &amp;New Record</source>
        <translation>Guardar como &amp;nuevo registro</translation>
    </message>
    <message>
        <source>&amp;Leave It Removed</source>
        <translation>&amp;Dejarlo eliminado</translation>
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
        <translation>Día de Braciaca (2 días), a partir del 23 de enero</translation>
    </message>
    <message>
        <source>Raud the Strong`s Day</source>
        <translation>Día de Raud el Fuerte</translation>
    </message>
    <message>
        <source>IMBOLC</source>
        <translation>IMBOLC</translation>
    </message>
    <message>
        <source>Festival of Love : Danu and cernunnos(9 DAYS) 13th Feb Onward</source>
        <translation>Fiesta del Amor: Danu y Cernunnos (9 días), a partir del 13 de febrero</translation>
    </message>
    <message>
        <source>Day of Merriddyn</source>
        <translation>Día de Merriddyn</translation>
    </message>
    <message>
        <source>Feast of Merlin</source>
        <translation>Fiesta de Merlín</translation>
    </message>
    <message>
        <source>Lesser Mysteries of Rhiannon (4 DAYS) 3rd March Onward</source>
        <translation>Misterios Menores de Rhiannon (4 días), a partir del 3 de marzo</translation>
    </message>
    <message>
        <source>SPRING EQUINOX-(Eostre) and the start of the Rites of wine and Pleasure(5 DAYS)</source>
        <translation>EQUINOCCIO DE PRIMAVERA (Eostre) y comienzo de los Ritos del Vino y del Placer (5 días)</translation>
    </message>
    <message>
        <source>BELTANE- and day of cernunnos</source>
        <translation>BELTANE y día de Cernunnos</translation>
    </message>
    <message>
        <source>Loki&apos;s day</source>
        <translation>Día de Loki</translation>
    </message>
    <message>
        <source>Day of Dark Goddess</source>
        <translation>Día de la Diosa Oscura</translation>
    </message>
    <message>
        <source>Bank Holiday</source>
        <translation>Día festivo británico (Bank Holiday)</translation>
    </message>
    <message>
        <source>Rites of Harvest (10 DAYS) 5th June Onward</source>
        <translation>Ritos de la Cosecha (10 días), a partir del 5 de junio</translation>
    </message>
    <message>
        <source>Feast of Epona</source>
        <translation>Fiesta de Epona</translation>
    </message>
    <message>
        <source>Festival of the Birds (6 DAYS) 17 June Onwards</source>
        <translation>Fiesta de las Aves (6 días), a partir del 17 de junio</translation>
    </message>
    <message>
        <source>MIDSUMMER-(Litha)</source>
        <translation>PLENO VERANO (Litha)</translation>
    </message>
    <message>
        <source>Well Blessing Rites to the Water Goddess</source>
        <translation>Ritos de bendición de los pozos en honor de la Diosa del Agua</translation>
    </message>
    <message>
        <source>Feast of cerridwen</source>
        <translation>Fiesta de Cerridwen</translation>
    </message>
    <message>
        <source>Festival of the Forest Spirits (3 DAYS) 19th July Onward</source>
        <translation>Fiesta de los Espíritus del Bosque (3 días), a partir del 19 de julio</translation>
    </message>
    <message>
        <source>LUGHNASADH</source>
        <translation>LUGHNASADH</translation>
    </message>
    <message>
        <source>Day of Lugh</source>
        <translation>Día de Lugh</translation>
    </message>
    <message>
        <source>Day of the Queen of Heaven</source>
        <translation>Día de la Reina del Cielo</translation>
    </message>
    <message>
        <source>Feast of the Late Wine</source>
        <translation>Fiesta del Vino Tardío</translation>
    </message>
    <message>
        <source>Festival of the Heroes (4 DAYS) 22nd August Onward</source>
        <translation>Fiesta de los Héroes (4 días), a partir del 22 de agosto</translation>
    </message>
    <message>
        <source>Birth of the Mother</source>
        <translation>Nacimiento de la Madre</translation>
    </message>
    <message>
        <source>AUTUMN EQUINOX</source>
        <translation>EQUINOCCIO DE OTOÑO</translation>
    </message>
    <message>
        <source>Greater Mysteries of llyr (5 DAYS) 24 th Sept Onward</source>
        <translation>Misterios Mayores de Llyr (5 días), a partir del 24 de septiembre</translation>
    </message>
    <message>
        <source>Birth of Taliesin</source>
        <translation>Nacimiento de Taliesin</translation>
    </message>
    <message>
        <source>SAMHAIN</source>
        <translation>SAMHAIN</translation>
    </message>
    <message>
        <source>Fontus festival</source>
        <translation>Fiesta de Fontus</translation>
    </message>
    <message>
        <source>Feast of Ancestors</source>
        <translation>Fiesta de los Antepasados</translation>
    </message>
    <message>
        <source>Feast of Gods of Harvest and hunt(3 DAYS)</source>
        <translation>Fiesta de los Dioses de la Cosecha y de la Caza (3 días)</translation>
    </message>
    <message>
        <source>Feast of Rhiannon</source>
        <translation>Fiesta de Rhiannon</translation>
    </message>
    <message>
        <source>day of Bellisama</source>
        <translation>Día de Bellisama</translation>
    </message>
    <message>
        <source>Festival of Lights</source>
        <translation>Fiesta de las Luces</translation>
    </message>
    <message>
        <source>YULE</source>
        <translation>YULE</translation>
    </message>
    <message>
        <source>Yuletide Tree and Elder Festival</source>
        <translation>Fiesta del Árbol de Yule y del Saúco</translation>
    </message>
    <message>
        <source>Festival of Wine and pleasure (4 DAYS) 28th Dec Onward</source>
        <translation>Fiesta del Vino y del Placer (4 días), a partir del 28 de diciembre</translation>
    </message>
    <message>
        <source>Festival of Wine and pleasure (4 DAYS) 28th December Onward</source>
        <translation>Fiesta del Vino y del Placer (4 días), a partir del 28 de diciembre</translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <extracomment>How the month view writes a festival&apos;s date above its name, as a date format of Qt&apos;s QDate::toString (MMMM the month&apos;s name, d the day, yyyy the year), in the order and with the words your language uses.</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
</context>
<context>
    <name>PaganLore</name>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fuego</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Spirit</source>
        <translation>Espíritu</translation>
    </message>
    <message>
        <source>The term Pagan is taken from the Latin word &apos;Paganus&apos;, meaning a dweller of the countryside. Today it names the many nature based faiths that honour the old gods and goddesses, the turning seasons and the living earth, and that hold all of nature to be sacred.</source>
        <extracomment>On the Pagan Information tab, and above the festive seasons.</extracomment>
        <translation>El término «pagano» procede de la palabra latina «paganus», que significa «habitante del campo». Hoy designa las muchas religiones basadas en la naturaleza que honran a los antiguos dioses y diosas, el ciclo de las estaciones y la tierra viva, y que consideran sagrada toda la naturaleza.</translation>
    </message>
    <message>
        <source>The oldest known religion to humanity is Paganism. Long before temples and scriptures, people watched the sun rise and set, the moon grow and fade and the crops come and go, and they saw the hand of the divine in all of it. Paganism has no single founder, no single holy book and no central church. It is a family of traditions that share a deep respect for nature and a belief that the sacred can be found in the land, the sky, the sea and in every living creature. Many Pagans honour both a god and a goddess, or a whole company of gods, and they mark the year with festivals that follow the seasons. Pagans value personal experience, freedom of belief and living in balance with the world, and they respect other paths.</source>
        <extracomment>On the Pagan Information tab.</extracomment>
        <translation>El paganismo es la religión más antigua que conoce la humanidad. Mucho antes de que hubiera templos y escrituras, las personas veían salir y ponerse el sol, crecer y menguar la luna, y llegar e irse las cosechas, y en todo ello reconocían la mano de lo divino. El paganismo no tiene un fundador único, ni un único libro sagrado, ni una iglesia central. Es una familia de tradiciones que comparten un profundo respeto por la naturaleza y la creencia de que lo sagrado se halla en la tierra, en el cielo, en el mar y en cada criatura viva. Muchos paganos honran a la vez a un dios y a una diosa, o a todo un panteón, y marcan el año con fiestas que siguen el curso de las estaciones. Los paganos valoran la experiencia personal, la libertad de creencia y una vida en equilibrio con el mundo, y respetan los demás caminos.</translation>
    </message>
    <message>
        <source>One of the most significant things in the ancient Anglo-Saxon culture is the old pagan calendar. It did not count the days by the sun alone, as our calendar does, but by the moon and the seasons together. A month began with a new moon, and the names of the months told people what work the season asked of them and which powers were honoured. The year was split into two great halves, winter and summer, and the turning points between them were kept as holy days with fires, feasts and offerings. Midwinter, the time of the longest night, was the start of the year, and the nights before it were thought to be full of spirits and ancestors who walked close to the living. As the year went on, farmers watched the calendar to know when to plough, when to sow and when to gather the harvest. Because twelve moons fall short of a full solar year, an extra month was added to keep the feasts in step with the seasons. Much of this calendar lives on today in the names of our weekdays and in festivals such as Easter and Yule. Choose a month and year on this page and Velloran will show you the pagan festivals that fall in that month, so that you can plan your own rites and celebrations ahead of time.</source>
        <extracomment>On the Pagan Calendar tab, beside the month and year.</extracomment>
        <translation>Uno de los elementos más significativos de la antigua cultura anglosajona es el viejo calendario pagano. No contaba los días solo por el sol, como hace nuestro calendario, sino por la luna y las estaciones a la vez. Cada mes empezaba con la luna nueva, y los nombres de los meses decían a la gente qué trabajos pedía la estación y qué poderes se honraban. El año se dividía en dos grandes mitades, invierno y verano, y los momentos en que una daba paso a la otra se guardaban como días sagrados, con hogueras, banquetes y ofrendas. El pleno invierno, el tiempo de la noche más larga, marcaba el comienzo del año, y se creía que las noches que lo precedían estaban llenas de espíritus y antepasados que caminaban muy cerca de los vivos. A lo largo del año, los campesinos consultaban el calendario para saber cuándo arar, cuándo sembrar y cuándo recoger la cosecha. Como doce lunas no llegan a completar un año solar, se añadía un mes más para que las fiestas siguieran al paso de las estaciones. Buena parte de este calendario pervive hoy en los nombres ingleses de los días de la semana y en fiestas como la Pascua (Easter en inglés) y Yule. Elija un mes y un año en esta página y Velloran le mostrará las fiestas paganas de ese mes, para que pueda preparar con tiempo sus propios ritos y celebraciones.</translation>
    </message>
    <message>
        <source>This is generally celebrated during the winter time i.e. from December 23-25. Yule marks the winter solstice, the longest night of the year, after which the sun returns and the days begin to grow longer. Pagans light candles and fires to welcome the light, bring evergreen branches into the home as a sign of lasting life, and share food, gifts and stories with their loved ones.</source>
        <extracomment>Festive season tab &quot;Yule&quot;.</extracomment>
        <translation>Se celebra por lo general en invierno, del 23 al 25 de diciembre. Yule marca el solsticio de invierno, la noche más larga del año, tras la cual el sol regresa y los días empiezan a alargarse. Los paganos encienden velas y hogueras para dar la bienvenida a la luz, adornan la casa con ramas de hoja perenne como signo de la vida que perdura y comparten comida, regalos e historias con sus seres queridos.</translation>
    </message>
    <message>
        <source>This day is observed on 2nd February as the birthday of Brigid - the goddess of inspiration and fire. It is also called Imbolc, the first stirring of spring, when the ewes give milk and the earth begins to wake. Candles are lit in every window of the house, homes are swept, and new plans and promises are made.</source>
        <extracomment>Festive season tab &quot;Candlemas&quot;.</extracomment>
        <translation>Este día se celebra el 2 de febrero como el nacimiento de Brigid, la diosa de la inspiración y del fuego. También se llama Imbolc: es el primer latido de la primavera, cuando las ovejas dan leche y la tierra empieza a despertar. Se encienden velas en todas las ventanas de la casa, se barren los hogares y se hacen nuevos planes y promesas.</translation>
    </message>
    <message>
        <source>Observed within March 20-23, this day is the start of the Pagan year of springs. At the spring equinox day and night stand in balance. Eggs, hares and fresh spring blooms are the signs of this festival, which honours new life, fertility and the green growth returning to the fields.</source>
        <extracomment>Festive season tab &quot;Eostar&quot;.</extracomment>
        <translation>Se celebra entre el 20 y el 23 de marzo y marca el comienzo de la primavera en el año pagano. En el equinoccio de primavera, el día y la noche están en equilibrio. Los huevos, las liebres y las flores frescas de la primavera son los símbolos de esta fiesta, que honra la vida nueva, la fertilidad y el verdor que vuelve a los campos.</translation>
    </message>
    <message>
        <source>Also known as the Halloween, this day is celebrated on October 31st. Samhain ends the harvest and opens the dark half of the year. It is said that on this night the veil between the world of the living and the world of the dead is at its thinnest, so Pagans remember their ancestors, set a place for them at the table and light bonfires to guide the spirits safely home.</source>
        <extracomment>Festive season tab &quot;Samhain&quot;.</extracomment>
        <translation>También conocido como Halloween, este día se celebra el 31 de octubre. Samhain pone fin a la cosecha y abre la mitad oscura del año. Se dice que esa noche el velo entre el mundo de los vivos y el de los muertos es más fino que nunca; por eso los paganos recuerdan a sus antepasados, les reservan un sitio en la mesa y encienden hogueras para guiar a los espíritus, sanos y salvos, de vuelta a casa.</translation>
    </message>
    <message>
        <source>Though the period from September 20-23 is observed as a holiday, but this day is not so widely celebrated and looked upon. It is the autumn equinox and the second harvest.</source>
        <extracomment>Festive season tab &quot;Mabon&quot;.</extracomment>
        <translation>Aunque los días del 20 al 23 de septiembre se guardan como fiesta, esta celebración no está tan extendida ni goza de tanta atención. Es el equinoccio de otoño y la segunda cosecha.</translation>
    </message>
    <message>
        <source>Observed during the summer time i.e. from June 20-23, this festival is held on the longest day. At midsummer the sun stands at the height of its power, and Pagans gather to greet the sunrise, light bonfires on the hills and leap the flames for luck. Herbs gathered at this time are thought to be at their strongest, and it is a joyful time for weddings, music and dancing under the open skies.</source>
        <extracomment>Festive season tab &quot;Litha&quot;.</extracomment>
        <translation>Se celebra en verano, del 20 al 23 de junio, y tiene lugar en el día más largo del año. En pleno verano el sol está en la cima de su poder, y los paganos se reúnen para saludar al amanecer, encienden hogueras en las colinas y saltan sobre las llamas para atraer la buena suerte. Se cree que las hierbas recogidas en estas fechas tienen entonces su mayor fuerza, y es un tiempo alegre de bodas, música y bailes a cielo abierto.</translation>
    </message>
    <message>
        <source>The most important festive for the Pagans after Samhain. Beltan falls on the eve of May and welcomes the bright half of the year. Two great fires were lit and the cattle were driven between them to guard them before they went out to their summer pastures. Young people rose early to gather flowers and green branches, a maypole was raised in the village, and people danced around it. It is a festival of fertility, love and growth, when the god and goddess are joined and the land springs to life.</source>
        <extracomment>Festive season tab &quot;Beltan&quot;.</extracomment>
        <translation>Es la fiesta más importante para los paganos después de Samhain. Beltan cae en la víspera de mayo y da la bienvenida a la mitad luminosa del año. Se encendían dos grandes hogueras y se hacía pasar al ganado entre ellas para protegerlo antes de llevarlo a los pastos de verano. Los jóvenes madrugaban para recoger flores y ramas verdes, se plantaba el árbol de mayo en el pueblo y la gente bailaba a su alrededor. Es una fiesta de fertilidad, amor y crecimiento, en la que el dios y la diosa se unen y la tierra rebosa de vida.</translation>
    </message>
    <message>
        <source>1st August is the day of Lughnasad. It is the first of the harvest festivals and is named after the god Lugh. The first corn is cut and baked into bread, and people give thanks for the earth&apos;s gifts.</source>
        <extracomment>Festive season tab &quot;Lughnasad&quot;.</extracomment>
        <translation>El 1 de agosto es el día de Lughnasad. Es la primera de las fiestas de la cosecha y debe su nombre al dios Lugh. Se siega el primer grano, se cuece con él el primer pan y se dan gracias por los dones de la tierra.</translation>
    </message>
    <message>
        <source>This is the element which is associated with the North direction. Earth is the ground under our feet, the rock, the soil and the hills, and it stands for stability, strength, patience and growth. It is the element of the body and of all things that can be touched, of wealth, homes and family. Its season is winter, its time of day is midnight, and its colours are green, brown and black. In ritual it is shown by a dish of salt, a stone, a crystal or a bowl of earth, and on the altar by the pentacle. Earth is linked to the bull and to trees that stand firm in every storm. Pagans call on Earth when they wish to ground themselves, to find a steady footing, to protect their home or to bring prosperity and healing. It reminds us that we are part of nature, not apart from it.</source>
        <extracomment>Element tab &quot;Earth&quot;.</extracomment>
        <translation>Es el elemento asociado con el norte. La Tierra es el suelo que pisamos, la roca, el terreno y las colinas, y representa la estabilidad, la fuerza, la paciencia y el crecimiento. Es el elemento del cuerpo y de todo lo que se puede tocar, de la riqueza, el hogar y la familia. Su estación es el invierno, su momento del día la medianoche y sus colores el verde, el marrón y el negro. En los rituales se representa con un plato de sal, una piedra, un cristal o un cuenco de tierra, y en el altar con el pentáculo. La Tierra está unida al toro y a los árboles que se mantienen firmes en todas las tormentas. Los paganos invocan a la Tierra cuando desean enraizarse, encontrar un apoyo firme, proteger su hogar o atraer la prosperidad y la sanación. Nos recuerda que formamos parte de la naturaleza y no somos ajenos a ella.</translation>
    </message>
    <message>
        <source>This is the element which is associated with the East direction. Air is the breath of life and the wind that carries seeds and songs across the land. It stands for the mind, thought, learning, memory and speech, and for new beginnings, just as each day begins when the sun rises in the East. Its season is spring, its time of day is dawn, and its colours are yellow and pale blue. In ritual it is shown by incense smoke, a feather or a bell, and on the altar by the wand or the athame. Birds are its creatures. Pagans call upon Air for clear thinking, for inspiration, for travel and for the right words.</source>
        <extracomment>Element tab &quot;Air&quot;.</extracomment>
        <translation>Es el elemento asociado con el este. El Aire es el aliento de la vida y el viento que lleva semillas y canciones de un extremo a otro de la tierra. Representa la mente, el pensamiento, el aprendizaje, la memoria y la palabra, y también los nuevos comienzos, igual que cada día empieza cuando el sol sale por el este. Su estación es la primavera, su momento del día el amanecer y sus colores el amarillo y el azul pálido. En los rituales se representa con el humo del incienso, una pluma o una campana, y en el altar con la varita o el athame. Las aves son sus criaturas. Los paganos invocan al Aire para pensar con claridad, para hallar inspiración, para los viajes y para encontrar las palabras justas.</translation>
    </message>
    <message>
        <source>Fire is the element of Energy; it also represents action and activeness. It is linked to the South direction, to the heat of summer and to the midday sun. Fire gives light and warmth, it cooks our food and forges tools, but it can also destroy. It stands for will, courage, passion, desire and change, for the spark that turns an idea into a deed. Its colours are red, orange and gold. In ritual it is shown by a candle, a lamp or a bonfire, and on the altar by the athame or the wand. The lion, the salamander and the dragon are its creatures. Pagans call upon Fire when they need strength to act, when they want to burn off old habits and fears, and when they seek purification. Many festivals are marked by fires on the hills, for Fire is a sign of the sun and of life itself.</source>
        <extracomment>Element tab &quot;Fire&quot;.</extracomment>
        <translation>El Fuego es el elemento de la energía; representa también la acción y el dinamismo. Está unido al sur, al calor del verano y al sol del mediodía. El Fuego da luz y calor, cocina nuestros alimentos y forja las herramientas, pero también puede destruir. Representa la voluntad, el valor, la pasión, el deseo y el cambio: la chispa que convierte una idea en un hecho. Sus colores son el rojo, el naranja y el dorado. En los rituales se representa con una vela, una lámpara o una hoguera, y en el altar con el athame o la varita. El león, la salamandra y el dragón son sus criaturas. Los paganos invocan al Fuego cuando necesitan fuerza para actuar, cuando quieren quemar viejos hábitos y miedos y cuando buscan purificarse. Muchas fiestas se celebran con hogueras en las colinas, porque el Fuego es signo del sol y de la vida misma.</translation>
    </message>
    <message>
        <source>This is the element which is associated with the West direction. Water is found in rivers, lakes, wells, rain and the great sea, and in the blood and tears of every living being. It stands for feelings, love, dreams, intuition and healing, and for the hidden depths of the mind. Its season is autumn, its time of day is dusk, when the sun sets in the West, and its colours are blue, silver and sea green. In ritual it is shown by a bowl of water or a shell, and on the altar by the cup or chalice. Fish, dolphins and water birds are its creatures. The sacred wells and springs were honoured by the old Pagans, and offerings were left there. Pagans call upon Water for cleansing, for healing of the heart, for friendship and for seeing what lies beneath the surface.</source>
        <extracomment>Element tab &quot;Water&quot;.</extracomment>
        <translation>Es el elemento asociado con el oeste. El Agua está en los ríos, los lagos, los pozos, la lluvia y el gran mar, y en la sangre y las lágrimas de todo ser vivo. Representa los sentimientos, el amor, los sueños, la intuición y la sanación, y también las profundidades ocultas de la mente. Su estación es el otoño, su momento del día el crepúsculo, cuando el sol se pone por el oeste, y sus colores el azul, el plateado y el verde mar. En los rituales se representa con un cuenco de agua o una concha, y en el altar con la copa o el cáliz. Los peces, los delfines y las aves acuáticas son sus criaturas. Los antiguos paganos honraban los pozos y manantiales sagrados y dejaban allí sus ofrendas. Los paganos invocan al Agua para purificarse, para sanar el corazón, para la amistad y para ver lo que se esconde bajo la superficie.</translation>
    </message>
    <message>
        <source>This is the element which is associated with the center; the element which is associated with the realm of the gods. Spirit, also called Aether, is the fifth element, the one that binds Earth, Air, Fire and Water together and lives in all of them. It has no one direction, for it is everywhere, above, below and within. It is shown as the top point of the pentagram, and its colours are white and violet. Pagans call upon Spirit to feel their link with the divine and with all of life.</source>
        <extracomment>Element tab &quot;Spirit&quot;.</extracomment>
        <translation>Es el elemento asociado con el centro, el elemento unido al reino de los dioses. El Espíritu, también llamado Éter, es el quinto elemento: el que une la Tierra, el Aire, el Fuego y el Agua y vive en todos ellos. No tiene una sola dirección, porque está en todas partes: arriba, abajo y dentro. Se representa con la punta superior del pentagrama, y sus colores son el blanco y el violeta. Los paganos invocan al Espíritu para sentir su vínculo con lo divino y con toda la vida.</translation>
    </message>
    <message>
        <source>Angus is the son of Dagda. He is the young god of love, youth and beauty, and four birds flew around his head, whose kisses became the songs of lovers. He dreamt of a maiden named Caer and searched for her for a whole year, finding her at last in the form of a swan. He became a swan himself to join her, and together they flew to his home, the Brugh on the river Boyne.</source>
        <extracomment>God tab &quot;Angus of the Brugh&quot;.</extracomment>
        <translation>Angus es hijo del Dagda. Es el joven dios del amor, la juventud y la belleza; cuatro pájaros volaban en torno a su cabeza, y sus besos se convertían en las canciones de los enamorados. Soñó con una doncella llamada Caer y la buscó durante un año entero, hasta que al fin la encontró en forma de cisne. Él mismo se convirtió en cisne para unirse a ella, y juntos volaron hasta su morada, el Brugh, a orillas del río Boyne.</translation>
    </message>
    <message>
        <source>The god of virility flanked by the ram-headed serpent and a stag. Cernunnos is the horned god of the forest and of wild animals, and he is shown seated with crossed legs, with antlers on his head and a torc around his neck. He is the lord of nature, of plenty and of the hunt, and he keeps the gate between life and death. Pagans honour him as the partner of the Goddess and the father of all living things.</source>
        <extracomment>God tab &quot;Cernunnos&quot;.</extracomment>
        <translation>El dios de la virilidad, flanqueado por la serpiente con cabeza de carnero y por un ciervo. Cernunnos es el dios astado del bosque y de los animales salvajes; se le representa sentado con las piernas cruzadas, con una cornamenta en la cabeza y un torques al cuello. Es el señor de la naturaleza, de la abundancia y de la caza, y guarda la puerta entre la vida y la muerte. Los paganos lo honran como compañero de la Diosa y padre de todos los seres vivos.</translation>
    </message>
    <message>
        <source>&quot;The Good God&apos; is the father of Angus. The Dagda was the chief of the Tuatha De Danann, the ancient gods of Ireland, and he was wise, strong and generous. He owned a great cauldron that was never empty, so that no one who came to him ever went away hungry, and a club that could kill nine men with one end and bring them back to life with the other. He also had a harp of oak whose music could change the seasons and move the hearts of all who heard it. He was the god of plenty, of the earth and of druid wisdom, and he was the lover of the Morrigan, whom he met at a river on the feast of Samhain.</source>
        <extracomment>God tab &quot;Dagda&quot;.</extracomment>
        <translation>«El Buen Dios» es el padre de Angus. El Dagda era el jefe de los Tuatha Dé Danann, los antiguos dioses de Irlanda, y era sabio, fuerte y generoso. Tenía un gran caldero que nunca se vaciaba, de modo que nadie que acudiera a él se marchaba con hambre, y una maza que con un extremo podía matar a nueve hombres y con el otro devolverles la vida. Tenía también un arpa de roble cuya música podía cambiar las estaciones y conmovía el corazón de cuantos la oían. Era el dios de la abundancia, de la tierra y de la sabiduría druídica, y fue amante de la Morrigan, con quien se encontró junto a un río en la fiesta de Samhain.</translation>
    </message>
    <message>
        <source>The healer god. Dian Cecht was the physician of the Tuatha De Danann. When King Nuada lost his hand in battle, Dian Cecht made him a new hand of silver that could move like a living one. He also blessed a well that healed the wounded warriors who were bathed in it, so that they could fight again. He was jealous of his son Miach, whose skill was even greater than his own. From the grave of Miach grew hundreds of healing herbs, one for each part of the body.</source>
        <extracomment>God tab &quot;Dian Cecht&quot;.</extracomment>
        <translation>El dios sanador. Dian Cecht era el médico de los Tuatha Dé Danann. Cuando el rey Nuada perdió la mano en combate, Dian Cecht le hizo una mano nueva de plata que se movía como una de carne y hueso. También bendijo un pozo que curaba a los guerreros heridos que se bañaban en él, para que pudieran volver a luchar. Tenía celos de su hijo Miach, cuya destreza superaba incluso la suya. De la tumba de Miach brotaron cientos de hierbas curativas, una para cada parte del cuerpo.</translation>
    </message>
    <message>
        <source>Originally a god of death and the underworld, later the chief god of the Gauls. He ruled the riches hidden under the ground, and the Gauls believed that they came from him.</source>
        <extracomment>God tab &quot;Dis Pater&quot;.</extracomment>
        <translation>En su origen fue un dios de la muerte y del inframundo, y más tarde el dios principal de los galos. Reinaba sobre las riquezas ocultas bajo tierra, y los galos creían descender de él.</translation>
    </message>
    <message>
        <source>The god of storms and thunders. Donn is the lord of the dead, who dwells on an island off the coast, where all souls go after death.</source>
        <extracomment>God tab &quot;Donn&quot;.</extracomment>
        <translation>El dios de las tormentas y los truenos. Donn es el señor de los muertos y habita en una isla frente a la costa, adonde van todas las almas después de la muerte.</translation>
    </message>
    <message>
        <source>The god of Gauls who is very often portrayed as woodcutter. He is shown cutting branches from a willow next to a bull and three cranes, and offerings were hung in sacred trees in his honour.</source>
        <extracomment>God tab &quot;Esus&quot;.</extracomment>
        <translation>Dios de los galos al que muy a menudo se representa como leñador. Aparece cortando ramas de un sauce junto a un toro y tres grullas, y en su honor se colgaban ofrendas en los árboles sagrados.</translation>
    </message>
    <message>
        <source>The god of weapons and armors- the smith god. Govannon is the Welsh smith, a son of the goddess Don, and he is known in Ireland as Goibniu. His forge never cooled, and the spears and swords he made always struck true and did not break. He also brewed an ale that kept the gods young and free from sickness. Smiths were held in high honour by the old Pagans, for they could shape iron with fire as if by magic.</source>
        <extracomment>God tab &quot;Govannon&quot;.</extracomment>
        <translation>El dios de las armas y las armaduras: el dios herrero. Govannon es el herrero galés, hijo de la diosa Don, y en Irlanda se le conoce como Goibniu. Su fragua nunca se enfriaba, y las lanzas y espadas que forjaba siempre daban en el blanco y jamás se rompían. También elaboraba una cerveza que mantenía a los dioses jóvenes y libres de enfermedades. Los antiguos paganos tenían a los herreros en gran estima, porque sabían dar forma al hierro con el fuego como por arte de magia.</translation>
    </message>
    <message>
        <source>The sun god. Lug, called Lugh of the Long Arm, was a master of every art and craft: a warrior, a poet, a smith, a healer, a harpist and a magician all at once. He led the gods into battle against the Fomorians and won the day with a stone from his sling. His spear could never be defeated. The festival of Lughnasad at the start of August bears his name, and many towns across Europe were named in his honour.</source>
        <extracomment>God tab &quot;Lug or Lugh&quot;.</extracomment>
        <translation>El dios del sol. Lug, llamado Lugh del Brazo Largo, dominaba todas las artes y oficios: era a la vez guerrero, poeta, herrero, sanador, arpista y mago. Condujo a los dioses a la batalla contra los fomorianos y les dio la victoria con una piedra lanzada con su honda. Su lanza no podía ser vencida. La fiesta de Lughnasad, a comienzos de agosto, lleva su nombre, y en su honor recibieron el suyo muchas ciudades de toda Europa.</translation>
    </message>
    <message>
        <source>He is the god of healing and water. Nuadhu was the first king of the Tuatha De Danann. He lost his hand in battle and, since a king had to be whole, he gave up his throne until Dian Cecht made him a hand of silver. In Britain he was known as Nodens, and a temple was built to him beside the river Severn, where the sick came from far and wide to seek a cure.</source>
        <extracomment>God tab &quot;Nuadhu or Nud/ Nodens/ Lud&quot;.</extracomment>
        <translation>Es el dios de la sanación y del agua. Nuadhu fue el primer rey de los Tuatha Dé Danann. Perdió la mano en combate y, como un rey debía estar entero, renunció al trono hasta que Dian Cecht le hizo una mano de plata. En Britania se le conocía como Nodens, y se le levantó un templo junto al río Severn, adonde acudían enfermos de todas partes en busca de curación.</translation>
    </message>
    <message>
        <source>The god of language, eloquence and genius. He is portrayed as an old man who leads a crowd of people with fine gold chains that run from his tongue to their ears, for wise words bind people more strongly than any rope.</source>
        <extracomment>God tab &quot;Ogmios&quot;.</extracomment>
        <translation>El dios del lenguaje, la elocuencia y el ingenio. Se le representa como un anciano que guía a una multitud con finas cadenas de oro que van de su lengua a los oídos de quienes lo siguen, porque las palabras sabias atan a las personas con más fuerza que cualquier cuerda.</translation>
    </message>
    <message>
        <source>He is the god of forest and agriculture. He is shown holding a long handled hammer and a pot, with a loyal dog beside him, and he brings good harvests and a plentiful supply of wine.</source>
        <extracomment>God tab &quot;Sucellus&quot;.</extracomment>
        <translation>Es el dios del bosque y de la agricultura. Se le representa con un martillo de mango largo y una olla, con un perro fiel a su lado, y trae buenas cosechas y vino en abundancia.</translation>
    </message>
    <message>
        <source>Arianrhod means Silver Circle; she is the Goddess of Virgin. She is a Welsh goddess of the moon and the stars, whose home is the castle Caer Arianrhod up in the northern sky. She turns the silver wheel of the heavens, which carries the souls of the dead, and she rules over fate, time and rebirth.</source>
        <extracomment>Goddess tab &quot;Arianrhod&quot;.</extracomment>
        <translation>Arianrhod significa «Círculo de Plata»; es la Diosa Virgen. Es una diosa galesa de la luna y las estrellas cuya morada es el castillo de Caer Arianrhod, en lo alto del cielo del norte. Hace girar la rueda de plata de los cielos, que lleva las almas de los muertos, y rige el destino, el tiempo y el renacimiento.</translation>
    </message>
    <message>
        <source>The Goddess of war who is known to use her magic to decide war. Badb would often appear on the field of battle as a crow or a raven, and her wild cries filled her enemies with dread. Before a battle she might be seen as a washer woman at a ford, washing the armour of those who were about to die. She is one of the three sisters of the Morrigan, and she is linked with wisdom, life and death, and the endless cycle that joins them.</source>
        <extracomment>Goddess tab &quot;Badb&quot;.</extracomment>
        <translation>La diosa de la guerra, conocida por decidir las guerras con su magia. Badb solía aparecer en el campo de batalla en forma de corneja o de cuervo, y sus gritos salvajes llenaban de espanto a sus enemigos. Antes de una batalla podía vérsela como una lavandera en un vado, lavando las armaduras de quienes estaban a punto de morir. Es una de las tres hermanas de la Morrigan, y se la asocia con la sabiduría, con la vida y la muerte, y con el ciclo sin fin que las une.</translation>
    </message>
    <message>
        <source>Brigit is the goddess of craftsmanship, healing and metalwork. She is also the goddess of poetry and of the hearth fire, and her festival of Imbolc at the start of February marks the first signs of spring. She was said to have two sisters, also named Brigit, so that she is one goddess and three at once. At her shrine in Kildare a holy fire was kept alight for centuries. Many wells across Ireland are named after her, and their waters are thought to heal. She protects mothers, children and farm animals.</source>
        <extracomment>Goddess tab &quot;Brighit or Brigit&quot;.</extracomment>
        <translation>Brigit es la diosa de la artesanía, la sanación y el trabajo del metal. Es también la diosa de la poesía y del fuego del hogar, y su fiesta de Imbolc, a comienzos de febrero, anuncia los primeros signos de la primavera. Se decía que tenía dos hermanas, también llamadas Brigit, de modo que es una diosa y tres a la vez. En su santuario de Kildare se mantuvo encendido un fuego sagrado durante siglos. Muchos pozos de Irlanda llevan su nombre, y se cree que sus aguas curan. Protege a las madres, a los niños y a los animales de granja.</translation>
    </message>
    <message>
        <source>The goddess of grains and corns. Caridwen is a Welsh goddess of magic and change who brewed a cauldron of insight for a year and a day. Three drops of it fell on young Gwion, who gained all its wisdom. She chased him through many shapes until she swallowed him as a grain of corn, and she later bore him again as the great bard Taliesin.</source>
        <extracomment>Goddess tab &quot;Caridwen or Hen Wen&quot;.</extracomment>
        <translation>La diosa de los granos y las mieses. Caridwen es una diosa galesa de la magia y la transformación que preparó en su caldero, durante un año y un día, un brebaje de clarividencia. Tres gotas cayeron sobre el joven Gwion, que obtuvo así toda su sabiduría. Ella lo persiguió a través de muchas formas hasta que se lo tragó convertido en un grano de trigo, y más tarde volvió a darlo a luz como el gran bardo Taliesin.</translation>
    </message>
    <message>
        <source>Danu is the Mother goddess. She is the mother of the Tuatha De Danann, whose name means the people of Danu. She is linked with the rivers, wind, wisdom and the fruitful earth, and the Danube river may bear her name. Many Pagans honour her as the great source of all life, wisdom and plenty.</source>
        <extracomment>Goddess tab &quot;Danu&quot;.</extracomment>
        <translation>Danu es la Diosa Madre. Es la madre de los Tuatha Dé Danann, cuyo nombre significa «el pueblo de Danu». Se la asocia con los ríos, el viento, la sabiduría y la tierra fértil, y es posible que el río Danubio lleve su nombre. Muchos paganos la honran como la gran fuente de toda vida, sabiduría y abundancia.</translation>
    </message>
    <message>
        <source>The goddess of horse. Epona was honoured by the Gauls and later by the Roman cavalry, who carried her worship across the Empire. She is shown riding side saddle on a mare or sitting between two horses, often with a basket of fruit or grains in her lap. She protects horses, donkeys and mules and those who care for them, and she also guides the souls of the dead on their journey. Her feast fell on December 18th.</source>
        <extracomment>Goddess tab &quot;Epona&quot;.</extracomment>
        <translation>La diosa de los caballos. Epona fue honrada por los galos y más tarde por la caballería romana, que llevó su culto por todo el Imperio. Se la representa montando a la amazona sobre una yegua o sentada entre dos caballos, a menudo con una cesta de frutas o de grano en el regazo. Protege a los caballos, los asnos y las mulas y a quienes los cuidan, y guía además a las almas de los muertos en su viaje. Su fiesta se celebraba el 18 de diciembre.</translation>
    </message>
</context>
<context>
    <name>ServerCopy</name>
    <message>
        <source>Velloran uses the files on this computer</source>
        <translation>Velloran usa los archivos de este equipo</translation>
    </message>
    <message>
        <source>The shared database could not be prepared</source>
        <translation>No se pudo preparar la base de datos compartida</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>No se pudo leer %1</translation>
    </message>
    <message>
        <source>The shared database refused the rows of %1</source>
        <translation>La base de datos compartida rechazó las filas de %1</translation>
    </message>
    <message>
        <source>The copy could not be finished</source>
        <translation>No se pudo terminar la copia</translation>
    </message>
    <message>
        <source>The copy could not be committed</source>
        <translation>No se pudo confirmar la copia</translation>
    </message>
    <message>
        <source>The shared database could not be read</source>
        <translation>No se pudo leer la base de datos compartida</translation>
    </message>
    <message>
        <source>Choose a shared database first (Tools &gt; Data Source…).</source>
        <translation>Elija primero una base de datos compartida (Herramientas &gt; Origen de los datos…).</translation>
    </message>
    <message>
        <source>Copy the records and diary in %1 to the shared database %2?</source>
        <translation>¿Copiar los registros y el diario de %1 a la base de datos compartida %2?</translation>
    </message>
    <message>
        <source>The shared database %1 already holds %2 records and entries.<byte value="xd"/>
Add the records and diary in %3 to them, under new numbers?</source>
        <translation>La base de datos compartida %1 ya contiene %2 registros y entradas.<byte value="xd"/>
¿Añadirles los registros y el diario de %3, con números nuevos?</translation>
    </message>
    <message>
        <source>The records and diary were copied to the shared database %1.</source>
        <translation>Los registros y el diario se copiaron a la base de datos compartida %1.</translation>
    </message>
    <message>
        <source>Nothing was copied; the shared database is as it was.<byte value="xd"/>
</source>
        <translation>No se ha copiado nada; la base de datos compartida sigue como estaba.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>ServerDriver</name>
    <message>
        <source>the server did not answer within %1 seconds</source>
        <translation>el servidor no respondió en %1 segundos</translation>
    </message>
</context>
<context>
    <name>ServerSource</name>
    <message>
        <source>the PostgreSQL driver of Qt is not installed</source>
        <translation>el controlador PostgreSQL de Qt no está instalado</translation>
    </message>
    <message>
        <source>its tables were made by a newer Velloran</source>
        <translation>sus tablas las creó una versión más reciente de Velloran</translation>
    </message>
    <message>
        <source>it holds tables of another program</source>
        <translation>contiene tablas de otro programa</translation>
    </message>
    <message>
        <source>its tables are of version %1, not %2</source>
        <translation>sus tablas son de la versión %1, no de la %2</translation>
    </message>
    <message>
        <source>the count of %1 is missing</source>
        <translation>falta el recuento de %1</translation>
    </message>
    <message>
        <source>the server still runs the session that lost its connection</source>
        <translation>el servidor sigue ejecutando la sesión que perdió la conexión</translation>
    </message>
</context>
<context>
    <name>SharedDatabase</name>
    <message>
        <source>&apos;%1&apos; is no postgresql:// address</source>
        <translation>«%1» no es una dirección postgresql://</translation>
    </message>
    <message>
        <source>the address names no database</source>
        <translation>la dirección no indica ninguna base de datos</translation>
    </message>
    <message>
        <source>the address names no user</source>
        <translation>la dirección no indica ningún usuario</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no TLS mode</source>
        <translation>«%1» no es un modo TLS</translation>
    </message>
</context>
<context>
    <name>SharedMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>A&amp;yuda en línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítenos en Internet</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar &amp;actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>A&amp;cerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganar dinero en &amp;línea</translation>
    </message>
</context>
<context>
    <name>SqliteFiles</name>
    <message>
        <source>the file is in use by another program; try again when it has finished</source>
        <translation>otro programa está usando el archivo; vuelva a intentarlo cuando haya terminado</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>%1 exists already</source>
        <translation>%1 ya existe</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>the table %1 is missing</source>
        <translation>falta la tabla %1</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source><byte value="xd"/>
When the other program has let go of it, choose Retry.</source>
        <translation><byte value="xd"/>
Cuando el otro programa lo haya liberado, elija «Reintentar».</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Choose Retry once the server answers again.</source>
        <translation><byte value="xd"/>
Elija «Reintentar» cuando el servidor vuelva a responder.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Keep their version, save yours over it, or save yours as a new record?</source>
        <translation><byte value="xd"/>
¿Conservar la otra versión, guardar la suya encima o guardarla como un registro nuevo?</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Retry looks again, and saves only what is not saved yet, once the server answers.</source>
        <translation><byte value="xd"/>
«Reintentar» vuelve a comprobarlo en cuanto el servidor responda y solo guarda lo que aún no esté guardado.</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now</source>
        <translation>El foro de debate místico en línea más popular. Haga clic aquí para visitar %1 ahora</translation>
    </message>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>El foro místico en línea más popular. El mejor recurso para todo lo místico. Visite %1 ahora</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Personalice este programa con su marca.  Aumente la fidelidad y las visitas a su sitio. Ponga aquí el nombre &amp;  el enlace de su sitio. Vea «Ayuda» para más detalles.    Haga clic aquí para saber más del co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este programa totalmente con la marca de su sitio web. Haga clic aquí para más detalles.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Puede que haya una actualización de este programa<byte value="xd"/>¿Desea buscar una actualización?</translation>
    </message>
</context>
<context>
    <name>VelloranShell</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
</context>
<context>
    <name>WheelCalendarFile</name>
    <message>
        <source>%1 on its %2.</source>
        <extracomment>&quot;Imbolc on its traditional date.&quot;</extracomment>
        <translation>%1 en su %2.</translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <translation>%1: %2, %3.</translation>
    </message>
    <message>
        <source>%1: %2, %3 %4 (%5).</source>
        <translation>%1: %2, %3 %4 (%5).</translation>
    </message>
    <message>
        <source>%1 (traditional date)</source>
        <translation>%1 (fecha tradicional)</translation>
    </message>
    <message>
        <source>%1 (astronomical)</source>
        <translation>%1 (astronómico)</translation>
    </message>
    <message>
        <source>Wheel of the Year</source>
        <translation>Rueda del año</translation>
    </message>
</context>
<context>
    <name>WheelOfTheYear</name>
    <message>
        <source>Wolf Moon</source>
        <translation>Luna del lobo</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Luna de nieve</translation>
    </message>
    <message>
        <source>Worm Moon</source>
        <translation>Luna de gusano</translation>
    </message>
    <message>
        <source>Pink Moon</source>
        <translation>Luna rosa</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Luna de flores</translation>
    </message>
    <message>
        <source>Strawberry Moon</source>
        <translation>Luna de fresa</translation>
    </message>
    <message>
        <source>Buck Moon</source>
        <translation>Luna del ciervo</translation>
    </message>
    <message>
        <source>Sturgeon Moon</source>
        <translation>Luna del esturión</translation>
    </message>
    <message>
        <source>Corn Moon</source>
        <translation>Luna del maíz</translation>
    </message>
    <message>
        <source>Hunter&apos;s Moon</source>
        <translation>Luna del cazador</translation>
    </message>
    <message>
        <source>Beaver Moon</source>
        <translation>Luna del castor</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Luna fría</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Luna de la cosecha</translation>
    </message>
    <message>
        <source>March equinox, sun at %1°</source>
        <translation>equinoccio de marzo, sol a %1°</translation>
    </message>
    <message>
        <source>June solstice, sun at %1°</source>
        <translation>solsticio de junio, sol a %1°</translation>
    </message>
    <message>
        <source>September equinox, sun at %1°</source>
        <translation>equinoccio de septiembre, sol a %1°</translation>
    </message>
    <message>
        <source>December solstice, sun at %1°</source>
        <translation>solsticio de diciembre, sol a %1°</translation>
    </message>
    <message>
        <source>sun at %1°</source>
        <translation>sol a %1°</translation>
    </message>
    <message>
        <source>%1 (Blue Moon)</source>
        <translation>%1 (luna azul)</translation>
    </message>
    <message>
        <source>traditional date</source>
        <translation>fecha tradicional</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>luna llena</translation>
    </message>
    <message>
        <source>new moon</source>
        <translation>luna nueva</translation>
    </message>
</context>
<context>
    <name>WheelPicture</name>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only.</source>
        <translation>La carpeta %1 es de solo lectura.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>El archivo es de solo lectura.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Velloran is an advanced yet simple program that makes the user familiar to the lifestyle of the Pagans and the Wiccans. It offers an easy to use interface, which allows the user to get answers to all his personal queries that help him understand the Pagan culture. It is the ultimate Pagan software and is a must have online resource for all the pagans and the Wiccans which provides you with a whole lot of information related to the Pagan paths, pagan gods, goddesses, pagan festivals, pagan elements, the pagan calendar and much more. This tool also helps you maintain your Pagan diary.</source>
        <translation>Velloran es un programa avanzado pero sencillo que le acerca al modo de vida de los paganos y los wiccanos. Su interfaz fácil de usar le da respuestas a sus preguntas personales para comprender mejor la cultura pagana. Es el programa pagano por excelencia y un recurso imprescindible para todos los paganos y wiccanos: mucha información sobre los caminos paganos, dioses y diosas, festividades, elementos, el calendario pagano y mucho más. También le ayuda a llevar su diario pagano.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Negocio desde casa: cree su negocio en Internet y gane dinero en línea. Este programa con la marca de su sitio web.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Haga clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visite %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmDataSource</name>
    <message>
        <source>Data Source</source>
        <translation>Origen de los datos</translation>
    </message>
    <message>
        <source>The &amp;files on this computer</source>
        <translation>Los archivos de este &amp;equipo</translation>
    </message>
    <message>
        <source>A shared &amp;PostgreSQL database</source>
        <translation>Una base de datos &amp;PostgreSQL compartida</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>E&amp;xaminar…</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;uerto:</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>&amp;Base de datos:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>Usuari&amp;o:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>&amp;TLS mode:</source>
        <translation>Modo &amp;TLS:</translation>
    </message>
    <message>
        <source>&amp;CA file:</source>
        <translation>&amp;Archivo de la CA:</translation>
    </message>
    <message>
        <source>T&amp;est Connection</source>
        <translation>Probar la co&amp;nexión</translation>
    </message>
    <message>
        <source>Choose the CA file</source>
        <translation>Elija el archivo de la CA</translation>
    </message>
    <message>
        <source>The files on this computer need no connection.</source>
        <translation>Los archivos de este equipo no necesitan conexión.</translation>
    </message>
    <message>
        <source>Connected to %1; it holds Velloran&apos;s records and diary.</source>
        <translation>Conectado a %1; la base de datos contiene los registros y el diario de Velloran.</translation>
    </message>
    <message>
        <source>Connected to %1; the database is empty, and Velloran can make its tables there.</source>
        <translation>Conectado a %1; la base de datos está vacía y Velloran puede crear allí sus tablas.</translation>
    </message>
    <message>
        <source>Connected to %1; its tables are from an earlier Velloran and can be brought up to date.</source>
        <translation>Conectado a %1; sus tablas son de una versión anterior de Velloran y se pueden actualizar.</translation>
    </message>
    <message>
        <source>Connected to %1, but its tables were made by a newer Velloran.</source>
        <translation>Conectado a %1, pero sus tablas las creó una versión más reciente de Velloran.</translation>
    </message>
    <message>
        <source>Connected to %1, but the database holds another program&apos;s tables.</source>
        <translation>Conectado a %1, pero la base de datos contiene las tablas de otro programa.</translation>
    </message>
    <message>
        <source>Fill in the host, the database and the user.</source>
        <translation>Indique el servidor, la base de datos y el usuario.</translation>
    </message>
    <message>
        <source>No secret store of the desktop keeps the password, so Velloran asks for it at each start.</source>
        <translation>Ningún almacén de secretos del escritorio guarda la contraseña, así que Velloran la pide en cada inicio.</translation>
    </message>
</context>
<context>
    <name>frmDiaryFind</name>
    <message>
        <source>Find in the Diary</source>
        <translation>Buscar en el diario</translation>
    </message>
    <message>
        <source>Search &amp;all four sections</source>
        <translation>Buscar en las cuatro &amp;secciones</translation>
    </message>
    <message>
        <source>Save the entry you are adding or editing first.</source>
        <translation>Guarde primero la entrada que está añadiendo o editando.</translation>
    </message>
    <message>
        <source>This entry is no longer in the diary.</source>
        <translation>Esta entrada ya no está en el diario.</translation>
    </message>
    <message>
        <source>1 entry found</source>
        <translation>1 entrada encontrada</translation>
    </message>
    <message>
        <source>No entry found</source>
        <translation>No se encontró ninguna entrada</translation>
    </message>
    <message>
        <source>%1 entries found; the first %2 are listed, more words find fewer</source>
        <translation>%1 entradas encontradas; se muestran las %2 primeras, más palabras encuentran menos</translation>
    </message>
    <message>
        <source>%1 entries found</source>
        <translation>%1 entradas encontradas</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Palabra clave</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Entries found</source>
        <translation>Entradas encontradas</translation>
    </message>
</context>
<context>
    <name>frmDowsingAllRecord</name>
    <message>
        <source>There Is No Record !</source>
        <translation>¡No hay ningún registro!</translation>
    </message>
    <message>
        <source>To Select Your Record, Move the Arrow Up and Down to the Chosen Row and  Double Click to See Complete Record Details. </source>
        <translation>Para elegir un registro, mueva la flecha arriba o abajo hasta la fila deseada y haga doble clic para ver todos sus datos. </translation>
    </message>
    <message>
        <source>Short Summary Of Dowsing Records</source>
        <translation>Resumen de los registros de radiestesia</translation>
    </message>
    <message>
        <source>Dowsing Records</source>
        <translation>Registros de radiestesia</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
</context>
<context>
    <name>frmDowsingFind</name>
    <message>
        <source>Find Records</source>
        <translation>Buscar registros</translation>
    </message>
    <message>
        <source>Type any words of a record or its date. Double click a record to see its sheet; click a column caption to sort.</source>
        <translation>Escriba palabras de un registro o su fecha. Haga doble clic en un registro para ver su hoja; haga clic en el título de una columna para ordenar.</translation>
    </message>
    <message>
        <source>%1 records shown; scroll down for more</source>
        <translation>Se muestran %1 registros; desplácese hacia abajo para ver más</translation>
    </message>
    <message>
        <source>1 record found</source>
        <translation>1 registro encontrado</translation>
    </message>
    <message>
        <source>No record found</source>
        <translation>No se encontró ningún registro</translation>
    </message>
    <message>
        <source>%1 records found</source>
        <translation>%1 registros encontrados</translation>
    </message>
    <message>
        <source>The records cannot be searched.<byte value="xd"/>
%1</source>
        <translation>No se puede buscar en los registros.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The next records found could not be read.<byte value="xd"/>
%1</source>
        <translation>No se pudieron leer los siguientes registros encontrados.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Making the search index of the records…</source>
        <translation>Creando el índice de búsqueda de los registros…</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%L1 records found; %L2 shown, scroll down for more</source>
        <translation>%L1 registros encontrados; se muestran %L2, desplácese hacia abajo para ver más</translation>
    </message>
    <message>
        <source>Words are looked for once the search index is made (%1% so far).</source>
        <translation>Las palabras se buscarán en cuanto esté creado el índice de búsqueda (%1 % hasta ahora).</translation>
    </message>
    <message>
        <source>Search index %p%</source>
        <translation>Índice de búsqueda %p %</translation>
    </message>
    <message>
        <source>Search index made so far</source>
        <translation>Índice de búsqueda creado hasta ahora</translation>
    </message>
    <message>
        <source>This record was deleted meanwhile.</source>
        <translation>Este registro se ha eliminado mientras tanto.</translation>
    </message>
</context>
<context>
    <name>frmDowsingMain</name>
    <message>
        <source>Required File Is Missing<byte value="xd"/>Please Reinstall Software</source>
        <translation>Falta un archivo necesario<byte value="xd"/>Vuelva a instalar el programa</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet</source>
        <translation>Introduzca solo letras</translation>
    </message>
    <message>
        <source>Please Enter Number</source>
        <translation>Introduzca un número</translation>
    </message>
    <message>
        <source>Please Enter Correct Email Address !</source>
        <translation>¡Introduzca una dirección de correo correcta!</translation>
    </message>
    <message>
        <source>Please Enter Dowsing Tool !</source>
        <translation>¡Introduzca el instrumento!</translation>
    </message>
    <message>
        <source>Please Enter Dowsing Item !</source>
        <translation>¡Introduzca el objeto buscado!</translation>
    </message>
    <message>
        <source>Record Saved Succesfully !</source>
        <translation>¡Registro guardado correctamente!</translation>
    </message>
    <message>
        <source>Record Edited Succesfully !</source>
        <translation>¡Registro modificado correctamente!</translation>
    </message>
    <message>
        <source>The record was not saved.<byte value="xd"/>
%1.<byte value="xd"/>
Your entries are kept; try again when the problem is solved.</source>
        <translation>El registro no se ha guardado.<byte value="xd"/>
%1.<byte value="xd"/>
Sus datos se conservan; vuelva a intentarlo cuando se haya resuelto el problema.</translation>
    </message>
    <message>
        <source>There is no %1 %2 in %3.<byte value="xd"/>
Please choose another day; the record was not saved.</source>
        <extracomment>&quot;There is no 30 February in 2007.&quot;</extracomment>
        <translation>El %1 de %2 de %3 no existe.<byte value="xd"/>
Elija otro día; el registro no se ha guardado.</translation>
    </message>
    <message>
        <source>&amp;Add New Record</source>
        <translation>&amp;Añadir registro nuevo</translation>
    </message>
    <message>
        <source>&amp;View All  Records</source>
        <translation>&amp;Ver todos los registros</translation>
    </message>
    <message>
        <source>Add New Record</source>
        <translation>Añadir un registro</translation>
    </message>
    <message>
        <source>Click On                                  To  Enter New Customer Details</source>
        <extracomment>The wide gap holds the button &quot;Add New Record&quot;; keep it as wide.</extracomment>
        <translation>Haga clic en                                  para introducir un cliente nuevo</translation>
    </message>
    <message>
        <source>Add New &amp;Record</source>
        <translation>&amp;Nuevo registro</translation>
    </message>
    <message>
        <source>Dowsing is one of the most ancient forms of divination and has been practised for around thousands of years, which detects things like underground water, hidden metal and treasures, oil, lost persons, etc. Quarrow is a divination software that allows you to keep a track of your different dowsing experiences in the form a dowsing diary. It helps you to know from a glance what customers you dowsed for, what were you trying to detect and other comments.</source>
        <translation>La radiestesia es una de las formas de adivinación más antiguas y se practica desde hace miles de años; permite detectar agua subterránea, metales y tesoros ocultos, petróleo, personas desaparecidas, etc. Quarrow es un programa de adivinación que le permite llevar un registro de sus experiencias de radiestesia en forma de diario. Así sabe de un vistazo para qué clientes buscó, qué intentaba detectar y otros comentarios.</translation>
    </message>
    <message>
        <source>Just input your customer details  (his name, address, contact number and other additional notes) and enjoy your dowsing experience!</source>
        <translation>¡Introduzca los datos del cliente (nombre, dirección, teléfono y otras notas) y disfrute de la radiestesia!</translation>
    </message>
    <message>
        <source>&amp;View All Records</source>
        <translation>&amp;Ver registros</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Enter Customer&apos;s Details:-</source>
        <translation>Datos del cliente:-</translation>
    </message>
    <message>
        <source>Name:-</source>
        <translation>Nombre:-</translation>
    </message>
    <message>
        <source>Address:-</source>
        <translation>Dirección:-</translation>
    </message>
    <message>
        <source>City:-</source>
        <translation>Ciudad:-</translation>
    </message>
    <message>
        <source>State:-</source>
        <translation>Provincia:-</translation>
    </message>
    <message>
        <source>Pin Number:-</source>
        <translation>Código postal:-</translation>
    </message>
    <message>
        <source>Phone Number:-</source>
        <translation>Teléfono:-</translation>
    </message>
    <message>
        <source>Email Address:-</source>
        <translation>Correo:-</translation>
    </message>
    <message>
        <source>Location:-</source>
        <translation>Lugar:-</translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation>&amp;Siguiente &gt;&gt;</translation>
    </message>
    <message>
        <source>Tools And Item Used For Dowsing:-</source>
        <translation>Instrumento y objeto buscado:-</translation>
    </message>
    <message>
        <source>Dowsing Tool:-</source>
        <translation>Instrumento:-</translation>
    </message>
    <message>
        <source>Enter The Name of The Dowsing Tool</source>
        <translation>Indique el instrumento usado</translation>
    </message>
    <message>
        <source>Dowsing Tool</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Other dowsing tool</source>
        <translation>Otro instrumento</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Dowsing Item:-</source>
        <translation>Objeto buscado:-</translation>
    </message>
    <message>
        <source>Enter The Name of The Dowsing Item</source>
        <translation>Indique el objeto buscado</translation>
    </message>
    <message>
        <source>Dowsing Item</source>
        <translation>Objeto buscado</translation>
    </message>
    <message>
        <source>Other dowsing item</source>
        <translation>Otro objeto buscado</translation>
    </message>
    <message>
        <source>Dowsing Date and Time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Dowsing Date:-</source>
        <translation>Fecha:-</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Dowsing Time:-</source>
        <translation>Hora:-</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>AM or PM</source>
        <translation>a. m. o p. m.</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Back</source>
        <translation>&lt;&lt; A&amp;trás</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Act&amp;ualizar</translation>
    </message>
    <message>
        <source>Someone else removed the record %1 while you were editing it.<byte value="xd"/>
Save what you typed as a new record, or leave it removed? What you typed stays in the window either way.</source>
        <translation>Otra persona eliminó el registro %1 mientras usted lo editaba.<byte value="xd"/>
¿Guardar lo que escribió como un registro nuevo o dejarlo eliminado? Lo que escribió permanece en la ventana en ambos casos.</translation>
    </message>
</context>
<context>
    <name>frmDowsingSave</name>
    <message>
        <source>Rich Text Format | *.rtf </source>
        <translation>Formato de texto enriquecido | *.rtf </translation>
    </message>
    <message>
        <source>There Is No Record to Edit</source>
        <translation>No hay ningún registro que editar</translation>
    </message>
    <message>
        <source>Sorry The Given Record Is Not Found</source>
        <translation>Lo sentimos, no se encuentra el registro</translation>
    </message>
    <message>
        <source>There Is No Record to Delete</source>
        <translation>No hay ningún registro que eliminar</translation>
    </message>
    <message>
        <source>Do You Really Want To Delete This Record ?</source>
        <translation>¿Seguro que desea eliminar este registro?</translation>
    </message>
    <message>
        <source>Record Deleted Succesfully !</source>
        <translation>¡Registro eliminado correctamente!</translation>
    </message>
    <message>
        <source>The sheet could not be printed to %1.</source>
        <translation>No se pudo imprimir la hoja en %1.</translation>
    </message>
    <message>
        <source>The sheet could not be saved as %1.<byte value="xd"/>
%2</source>
        <translation>No se pudo guardar la hoja como %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The record was not deleted.<byte value="xd"/>
%1</source>
        <translation>El registro no se ha eliminado.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The record could not be read.<byte value="xd"/>
%1</source>
        <translation>No se pudo leer el registro.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Record sheet</source>
        <translation>Hoja del registro</translation>
    </message>
    <message>
        <source>&amp;Delete This Dowsing Record</source>
        <translation>&amp;Eliminar este registro</translation>
    </message>
    <message>
        <source>&amp;Edit This Dowsing Record</source>
        <translation>E&amp;ditar este registro</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>
Delete it all the same?</source>
        <translation>.<byte value="xd"/>
¿Eliminarlo de todos modos?</translation>
    </message>
</context>
<context>
    <name>frmImportCsv</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import into %1 – %2</source>
        <extracomment>The import window&apos;s title: what the rows go into, and the file.</extracomment>
        <translation>Importar en %1 – %2</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>Formato del archivo</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Coma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Punto y coma</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Double quote (&quot;)</source>
        <translation>Comilla doble (&quot;)</translation>
    </message>
    <message>
        <source>Single quote (&apos;)</source>
        <translation>Comilla simple (&apos;)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>UTF-8 with BOM</source>
        <translation>UTF-8 con BOM</translation>
    </message>
    <message>
        <source>UTF-16 LE with BOM</source>
        <translation>UTF-16 LE con BOM</translation>
    </message>
    <message>
        <source>UTF-16 BE with BOM</source>
        <translation>UTF-16 BE con BOM</translation>
    </message>
    <message>
        <source>%1 (your short date)</source>
        <translation>%1 (su fecha corta)</translation>
    </message>
    <message>
        <source>First row &amp;names the columns</source>
        <translation>La primera fila &amp;nombra las columnas</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Separador:</translation>
    </message>
    <message>
        <source>&amp;Quotes:</source>
        <translation>&amp;Comillas:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Codificación:</translation>
    </message>
    <message>
        <source>&amp;Dates:</source>
        <translation>&amp;Fechas:</translation>
    </message>
    <message>
        <source>Column of the file for each field</source>
        <translation>Columna del archivo para cada campo</translation>
    </message>
    <message>
        <source>The first rows, as they will be &amp;stored:</source>
        <translation>Las primeras filas, tal como se &amp;guardarán:</translation>
    </message>
    <message>
        <source>&amp;Leave out rows that are stored already (every field the same)</source>
        <translation>&amp;Omitir las filas ya guardadas (todos los campos iguales)</translation>
    </message>
    <message>
        <source>&amp;Lines that cannot be stored as they stand:</source>
        <translation>Líneas que no se pueden guardar &amp;tal como están:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Import from CSV</source>
        <translation>Importar desde CSV</translation>
    </message>
    <message>
        <source>&amp;Undo Import of “%1”</source>
        <translation>&amp;Deshacer la importación de «%1»</translation>
    </message>
    <message>
        <source>U&amp;ndo Import</source>
        <translation>Deshacer la i&amp;mportación</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>No se pudo leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>%1 (column %2)</source>
        <translation>%1 (columna %2)</translation>
    </message>
    <message>
        <source>Choose the file&apos;s column for at least one field.</source>
        <translation>Elija la columna del archivo para al menos un campo.</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Leyendo %1…</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing was stored.</source>
        <translation>La importación se canceló; no se guardó nada.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Leave them out and import the other rows? No stops the import, and nothing is stored.</source>
        <translation>¿Omitirlas e importar las demás filas? No detiene la importación y no se guarda nada.</translation>
    </message>
    <message>
        <source>The import was stopped; nothing was stored.</source>
        <translation>La importación se detuvo; no se guardó nada.</translation>
    </message>
    <message>
        <source>Importing %1…</source>
        <translation>Importando %1…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Looking at the rows imported from %1…</source>
        <translation>Revisando las filas importadas de %1…</translation>
    </message>
    <message>
        <source>Removing the rows imported from %1…</source>
        <translation>Quitando las filas importadas de %1…</translation>
    </message>
    <message>
        <source>… %1 more</source>
        <translation>… %1 más</translation>
    </message>
    <message>
        <source>Lines of the file that cannot be stored as they stand: %1. The window lists them with the reason.</source>
        <translation>Líneas del archivo que no se pueden guardar tal como están: %1. La ventana las enumera con el motivo.</translation>
    </message>
    <message>
        <source>Rows added: %1.</source>
        <translation>Filas añadidas: %1.</translation>
    </message>
    <message>
        <source>Left out as stored already: %1.</source>
        <translation>Omitidas por estar ya guardadas: %1.</translation>
    </message>
    <message>
        <source>Left out as they could not be stored: %1.</source>
        <translation>Omitidas porque no se podían guardar: %1.</translation>
    </message>
    <message>
        <source>None of the rows imported from %1 is as it was imported: each was changed or removed since. Nothing was removed.</source>
        <translation>Ninguna de las filas importadas de %1 está como se importó: cada una se cambió o se quitó desde entonces. No se quitó nada.</translation>
    </message>
    <message>
        <source>Rows imported from %4: %1. Changed since: %2; removed since: %3.<byte value="xd"/>
<byte value="xd"/>
Remove the %5 that are still as they were imported, and keep the changed ones?</source>
        <extracomment>The numbers of rows imported, changed since and removed since, the file, and the number unchanged.</extracomment>
        <translation>Filas importadas de %4: %1. Cambiadas desde entonces: %2; quitadas desde entonces: %3.<byte value="xd"/>
<byte value="xd"/>
¿Quitar las %5 que siguen como se importaron y conservar las cambiadas?</translation>
    </message>
    <message>
        <source>Rows changed meanwhile, and kept: %1.</source>
        <translation>Filas cambiadas mientras tanto, y conservadas: %1.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Welcome to the Velloran! Get to know more about the Pagan &amp; Wiccan Culture. Use the Pagan Diary to save your ritual details for further reference</source>
        <translation>¡Bienvenido a Velloran! Conozca mejor la cultura pagana y wicca. Use el diario pagano para guardar los detalles de sus rituales</translation>
    </message>
    <message>
        <source>Pagan</source>
        <translation>Paganismo</translation>
    </message>
    <message>
        <source>Dowsing</source>
        <translation>Radiestesia</translation>
    </message>
    <message>
        <source>Pagan Diary</source>
        <translation>Diario pagano</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
</context>
<context>
    <name>frmManual</name>
    <message>
        <source>Velloran Manual</source>
        <translation>Manual de Velloran</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>C&amp;ontenido</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Manual page</source>
        <translation>Página del manual</translation>
    </message>
</context>
<context>
    <name>frmPaganDiaryMain</name>
    <message>
        <source>Velloran Diary</source>
        <translation>Diario Velloran</translation>
    </message>
    <message>
        <source>Velloran Diary is an easy to use advanced software. It is a personal book of spells and also acts as a key to the mysteries of the Pagan culture. Velloran Diary software is the ultimate tool for safekeeping everything related to the Pagan and the Wiccan rituals and spells, and as such, it is a MUST HAVE for all Pagan followers.</source>
        <translation>Diario Velloran es un programa avanzado y fácil de usar. Es un libro personal de hechizos y también una llave a los misterios de la cultura pagana. Diario Velloran es la herramienta ideal para guardar todo lo relacionado con los rituales y hechizos paganos y wiccanos; por eso es IMPRESCINDIBLE para todos los paganos.</translation>
    </message>
    <message>
        <source>Velloran Diary has divided the Diary into the following options for your convenience. Choose any one of the options which you feel is appropriate for your entry.</source>
        <translation>Diario Velloran está dividido en las siguientes secciones para su comodidad. Elija la que mejor convenga a su entrada.</translation>
    </message>
    <message>
        <source>Click on Continue to Proceed.</source>
        <translation>Haga clic en Continuar para seguir.</translation>
    </message>
    <message>
        <source>Select An Option</source>
        <translation>Elija una sección</translation>
    </message>
    <message>
        <source>Spell Section</source>
        <translation>Sección de hechizos</translation>
    </message>
    <message>
        <source>Incense Section</source>
        <translation>Sección de inciensos</translation>
    </message>
    <message>
        <source>Recipes Section</source>
        <translation>Sección de recetas</translation>
    </message>
    <message>
        <source>Rituals Section</source>
        <translation>Sección de rituales</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Required Files Are Missing<byte value="xd"/>Please Reinstall The Software</source>
        <translation>Faltan archivos necesarios<byte value="xd"/>Vuelva a instalar el programa</translation>
    </message>
    <message>
        <source>Please Select An Option</source>
        <translation>Elija una sección</translation>
    </message>
</context>
<context>
    <name>frmPaganDiaryResultBOS</name>
    <message>
        <source>The entry you were editing is no longer in the %1 section; another program may have removed it.<byte value="xd"/>
Do you want to add what you typed as a new entry?</source>
        <translation>La entrada que estaba editando ya no está en la sección %1; puede que otro programa la haya eliminado.<byte value="xd"/>
¿Desea añadir lo que escribió como una entrada nueva?</translation>
    </message>
    <message>
        <source>Spell Section</source>
        <translation>Sección de hechizos</translation>
    </message>
    <message>
        <source>Click on Open Spell to Access the Spells Section</source>
        <translation>Haga clic en «Abrir la sección Hechizos» para acceder</translation>
    </message>
    <message>
        <source>Add your new spell secrets and save them. Add, edit or remove the selected spells according to your preferences.</source>
        <translation>Añada sus nuevos secretos de hechizos y guárdelos. Añada, edite o elimine los hechizos seleccionados según sus preferencias.</translation>
    </message>
    <message>
        <source>Incense Section</source>
        <translation>Sección de inciensos</translation>
    </message>
    <message>
        <source>Click on Open Incense to Access the Incense Section</source>
        <translation>Haga clic en «Abrir la sección Incienso» para acceder</translation>
    </message>
    <message>
        <source>Add your new incense secrets and save them. Add, edit or remove the selected incense according to your preferences.</source>
        <translation>Añada sus nuevos secretos de incienso y guárdelos. Añada, edite o elimine los inciensos seleccionados según sus preferencias.</translation>
    </message>
    <message>
        <source>Recipes Section</source>
        <translation>Sección de recetas</translation>
    </message>
    <message>
        <source>Click on Open Recipes to Access the Recipes Section</source>
        <translation>Haga clic en «Abrir la sección Recetas» para acceder</translation>
    </message>
    <message>
        <source>Add your new recipe secrets and save them. Add, edit or remove the selected recipes according to your preferences.</source>
        <translation>Añada sus nuevos secretos de recetas y guárdelos. Añada, edite o elimine las recetas seleccionadas según sus preferencias.</translation>
    </message>
    <message>
        <source>Rituals Section</source>
        <translation>Sección de rituales</translation>
    </message>
    <message>
        <source>Click on Open Rituals to Access the Rituals Section</source>
        <translation>Haga clic en «Abrir la sección Rituales» para acceder</translation>
    </message>
    <message>
        <source>Add your new ritual secrets and save them. Add, edit or remove the selected rituals according to your preferences.</source>
        <translation>Añada sus nuevos secretos de rituales y guárdelos. Añada, edite o elimine los rituales seleccionados según sus preferencias.</translation>
    </message>
    <message>
        <source>Velloran Diary</source>
        <translation>Diario Velloran</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;ñadir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>E&amp;ditar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Palabra clave</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>&amp;Remove %1</source>
        <translation>&amp;Eliminar entrada (%1)</translation>
    </message>
    <message>
        <source>E&amp;xit %1</source>
        <translation>&amp;Salir de la sección %1</translation>
    </message>
    <message>
        <source>&amp;Open %1</source>
        <translation>A&amp;brir la sección %1</translation>
    </message>
    <message>
        <source>&amp;Close %1</source>
        <translation>&amp;Cerrar la sección %1</translation>
    </message>
    <message>
        <source>&amp;Save %1</source>
        <translation>&amp;Guardar entrada (%1)</translation>
    </message>
    <message>
        <source>&amp;Add %1</source>
        <translation>A&amp;ñadir entrada (%1)</translation>
    </message>
    <message>
        <source>&amp;Edit %1</source>
        <translation>Edi&amp;tar entrada (%1)</translation>
    </message>
    <message>
        <source>Please Enter Keyword And Its Corresponding Meaning</source>
        <translation>Introduzca una palabra clave y su significado</translation>
    </message>
    <message>
        <source>Please Enter The Keyword</source>
        <translation>Introduzca la palabra clave</translation>
    </message>
    <message>
        <source>Please Enter The Meaning Of The Keyword</source>
        <translation>Introduzca el significado de la palabra clave</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo Removal of “%1”</source>
        <translation>&amp;Deshacer la eliminación de «%1»</translation>
    </message>
    <message>
        <source>“%1” is back in the %2 section as a new entry: another entry has taken its place meanwhile.</source>
        <translation>«%1» ha vuelto a la sección %2 como entrada nueva: otra entrada ha ocupado su lugar mientras tanto.</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>
Remove it all the same?</source>
        <translation>.<byte value="xd"/>
¿Quitarla de todos modos?</translation>
    </message>
</context>
<context>
    <name>frmPaganMain</name>
    <message>
        <source>Pagan Calendar</source>
        <translation>Calendario pagano</translation>
    </message>
    <message>
        <source>Pagan Information</source>
        <translation>Información pagana</translation>
    </message>
    <message>
        <source>Pagan Festive Seasons</source>
        <translation>Fiestas paganas</translation>
    </message>
    <message>
        <source>Pagan Elements</source>
        <translation>Elementos paganos</translation>
    </message>
    <message>
        <source>Pagan Gods</source>
        <translation>Dioses paganos</translation>
    </message>
    <message>
        <source>Pagan Goddesses</source>
        <translation>Diosas paganas</translation>
    </message>
    <message>
        <source>Show Pagan &amp;Calendar</source>
        <translation>Mostrar el &amp;calendario pagano</translation>
    </message>
    <message>
        <source>The following is the list of Pagan Festivals:</source>
        <translation>Esta es la lista de las fiestas paganas:</translation>
    </message>
    <message>
        <source>Please Select A Year</source>
        <translation>Elija un año</translation>
    </message>
</context>
<context>
    <name>frmPaganResultCalendar</name>
    <message>
        <source>Display Festivals</source>
        <translation>Mostrar las fiestas</translation>
    </message>
    <message>
        <source>Velloran displays the festivals of the chosen month in the space below. Know the Pagan festivals for the current chosen month and make your plans.</source>
        <translation>Velloran muestra aquí las fiestas del mes elegido. Conozca las fiestas paganas de ese mes y haga sus planes.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>Month calendar</source>
        <translation>Calendario del mes</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Días del mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
</context>
<context>
    <name>frmWheelOfTheYear</name>
    <message>
        <source>Wheel of the Year</source>
        <translation>Rueda del año</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Wheel of the Year…</source>
        <translation>Rueda del año…</translation>
    </message>
    <message>
        <source>Times in %1, with daylight saving as it applied on each date, here and in the exported file.</source>
        <translation>Horas en %1, con el horario de verano tal como se aplicaba en cada fecha, aquí y en el archivo exportado.</translation>
    </message>
    <message>
        <source>Times in UTC, here and in the exported file.</source>
        <translation>Horas en UTC, aquí y en el archivo exportado.</translation>
    </message>
    <message>
        <source>Years 1800 to 2200</source>
        <translation>Años 1800 a 2200</translation>
    </message>
    <message>
        <source>The system&apos;s time zone could not be found, so the times and dates are in UTC.</source>
        <translation>No se encontró la zona horaria del sistema, así que las horas y fechas están en UTC.</translation>
    </message>
    <message>
        <source>Yule at the top, the year turning clockwise. Gold: solstices and equinoxes; orange: the sun at the cross-quarter points. Bright dots: full moons; dark dots: new moons. Red: today.</source>
        <translation>Yule arriba, el año girando en el sentido de las agujas del reloj. Oro: solsticios y equinoccios; naranja: el sol en los puntos intermedios. Puntos claros: lunas llenas; puntos oscuros: lunas nuevas. Rojo: hoy.</translation>
    </message>
    <message>
        <source>Export the Wheel of the Year</source>
        <translation>Exportar la rueda del año</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics)|*.ics</source>
        <translation>Archivo iCalendar (*.ics)|*.ics</translation>
    </message>
    <message>
        <source>The calendar file could not be saved as<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
No file was written; a file of that name that was there before is unchanged.</source>
        <translation>No se pudo guardar el archivo de calendario como<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
No se ha escrito ningún archivo; un archivo con ese nombre que ya existiera no ha cambiado.</translation>
    </message>
    <message>
        <source>The wheel of the year %1 was saved as<byte value="xd"/>
%2<byte value="xd"/>
(%3 events).</source>
        <translation>La rueda del año %1 se guardó como<byte value="xd"/>
%2<byte value="xd"/>
(%3 eventos).</translation>
    </message>
    <message>
        <source>days before</source>
        <translation>días antes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Festival or moon</source>
        <translation>Fiesta o luna</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <extracomment>How a day of the table is written (QDate format): weekday, day and month, short.</extracomment>
        <translation>ddd d MMM</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>A&amp;ño:</translation>
    </message>
    <message>
        <source>&amp;Southern Hemisphere</source>
        <translation>Hemisferio &amp;sur</translation>
    </message>
    <message>
        <source>Times in &amp;UTC</source>
        <translation>Horas en &amp;UTC</translation>
    </message>
    <message>
        <source>Export to your calendar (.ics)</source>
        <translation>Exportar a su calendario (.ics)</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>D&amp;esde</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>&amp;hasta</translation>
    </message>
    <message>
        <source>Eight &amp;points</source>
        <translation>Ocho &amp;puntos</translation>
    </message>
    <message>
        <source>&amp;Traditional days</source>
        <translation>Días &amp;tradicionales</translation>
    </message>
    <message>
        <source>&amp;New moons</source>
        <translation>Lunas nue&amp;vas</translation>
    </message>
    <message>
        <source>Fu&amp;ll moons</source>
        <translation>Lunas lle&amp;nas</translation>
    </message>
    <message>
        <source>&amp;Reminder</source>
        <translation>&amp;Recordatorio</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Export to Calendar…</source>
        <translation>E&amp;xportar al calendario…</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>todo el día</translation>
    </message>
    <message>
        <source>Festivals and moons of the year</source>
        <translation>Fiestas y lunas del año</translation>
    </message>
</context>
</TS>
