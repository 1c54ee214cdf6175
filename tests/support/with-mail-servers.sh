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
# shellcheck disable=SC2317 # called by the EXIT trap, which shellcheck does not follow
stop() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$dir"
}
trap stop EXIT

# Debian's Python, which has aiosmtpd, whatever else comes first on the PATH.
py=/usr/bin/python3
read -r pop3 smtp < <($py -c '
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
$py "$here/smtp_recorder.py" "$smtp" "$dir/delivered" &
pids+=($!)
# Up once both take connections; given up when one has ended or after about ten seconds.
if $py - "$pop3" "$smtp" "${pids[@]}" <<'PY'; then
import os, socket, sys, time
ports, pids = sys.argv[1:3], sys.argv[3:]
deadline = time.monotonic() + 10
while time.monotonic() < deadline:
    if not all(os.path.exists(f"/proc/{p}") for p in pids):
        sys.exit(1)
    try:
        for p in ports:
            socket.create_connection(("127.0.0.1", int(p)), 1).close()
        sys.exit(0)
    except OSError:
        time.sleep(0.02)
sys.exit(1)
PY
    export ZANDREL_MAIL_SERVERS="$pop3 $smtp $password Z:$dir/delivered"
    "$@"
    exit
fi
echo "the mail servers did not start:" >&2
cat "$dir/log" >&2 2>/dev/null || true
exit 1
