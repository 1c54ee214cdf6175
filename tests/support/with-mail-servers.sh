#!/usr/bin/env bash
# with-mail-servers.sh COMMAND...: Dovecot (POP3) and aiosmtpd on 127.0.0.1 for the Windows build's
# mail test, which under Wine cannot start Linux programs itself (MailServersWindows.cpp). Runs the
# command with ZANDREL_MAIL_SERVERS="<POP3 port> <SMTP port> <password> <delivered file>" and
# stops both servers afterwards. The same set-up as MailServers.cpp on Linux.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d /tmp/zandrel-mail-XXXXXX)
chmod o+x "$dir"
pids=()
stop() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$dir"
}
trap stop EXIT

read -r pop3 smtp < <(python3 -c '
import socket
a, b = socket.socket(), socket.socket()
a.bind(("127.0.0.1", 0)); b.bind(("127.0.0.1", 0))
print(a.getsockname()[1], b.getsockname()[1])')
password=Test-Kennwort-1
# Dovecot serves no mail as root: then the mailbox belongs to "nobody".
owner=$(id -un)
[ "$(id -u)" -ne 0 ] || owner=nobody
mkdir -p "$dir/Maildir/new"
printf 'Subject: Plan\r\n\r\nStart 9 Uhr.\r\n' >"$dir/Maildir/new/1.M1P1.zandrel"
chown -R "$owner:$(id -gn "$owner")" "$dir/Maildir"
{
    printf 'base_dir = %s/run\nstate_dir = %s/run\nlog_path = %s/log\n' "$dir" "$dir" "$dir"
    printf 'protocols = pop3\nssl = no\nlisten = 127.0.0.1\nmail_location = maildir:%s/Maildir\n' "$dir"
    printf 'passdb {\n driver = static\n args = password=%s\n}\n' "$password"
    printf 'userdb {\n driver = static\n args = uid=%s gid=%s\n}\n' "$(id -u "$owner")" "$(id -g "$owner")"
    printf 'service pop3-login {\n chroot =\n inet_listener pop3 {\n  port = %s\n }\n}\n' "$pop3"
    printf 'service anvil {\n chroot =\n}\n'
    if [ "$(id -u)" -ne 0 ]; then
        printf 'default_internal_user = %s\ndefault_login_user = %s\ndefault_internal_group = %s\n' \
            "$owner" "$owner" "$(id -gn)"
    fi
} >"$dir/dovecot.conf"
/usr/sbin/dovecot -F -c "$dir/dovecot.conf" &
pids+=($!)
python3 "$here/smtp_recorder.py" "$smtp" "$dir/delivered" &
pids+=($!)
# Up once both take connections; about ten seconds at most.
for _ in $(seq 500); do
    if python3 -c "import socket,sys
for p in sys.argv[1:]: socket.create_connection(('127.0.0.1', int(p)), 1).close()" "$pop3" "$smtp" 2>/dev/null; then
        export ZANDREL_MAIL_SERVERS="$pop3 $smtp $password Z:$dir/delivered"
        "$@"
        exit
    fi
    sleep 0.02
done
echo "the mail servers did not start:" >&2
cat "$dir/log" >&2 2>/dev/null || true
exit 1
